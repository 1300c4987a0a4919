#pragma once

#include <array>
#include <vector>

#include "room_file.h"

namespace vendrel {

struct Point3 {
  double x = 0, y = 0, z = 0;
  friend bool operator==(const Point3&, const Point3&) = default;
};

// Where the connectors of the level's placed rooms lie: for every cell its room's four
// connectors in connector-direction order, turned and moved as the room was.
class ConnectorTable {
 public:
  void Clear();
  // Records cell k's connectors (still at the room's own origin) and makes it the last
  // cell placed; cells count from 1 and are recorded in order.
  void Record(int cell, const std::array<RoomConnector, 4>& turnedConnectors);
  // Moves the last cell's connectors along with its room.
  void MoveLast(const Point3& offset);

  int LastPlaced() const { return static_cast<int>(rows_.size()); }
  const Point3& Connector(int cell, int direction) const;

 private:
  std::vector<std::array<Point3, 4>> rows_;
};

// A connector's position as numbers; every coordinate must read as one.
Point3 ConnectorPoint(const RoomConnector& connector);

// The offset that puts a turned room so that its connector facing the entry cell lands on
// the entry cell's connector on that side. direction: 1..4, where the room lies from its
// entry cell.
Point3 PlacementOffset(const ConnectorTable& table, int fromCell, int direction,
                       const std::array<RoomConnector, 4>& turnedConnectors);

}  // namespace vendrel
