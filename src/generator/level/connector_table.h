#pragma once

#include <array>
#include <vector>

#include "room_file.h"
#include "room_translation.h"

namespace vendrel {

// Where the connectors of the level's placed rooms lie: for every cell its room's four
// connectors in direction order, turned and then moved with the room.
class ConnectorTable {
 public:
  void Clear();
  // Records cell k's turned connectors, still at the room's own origin, and makes it the
  // last cell placed; cells count from 1 and are recorded in order. The row returned is
  // the one the room's move carries along.
  ConnectorPositions& Record(int cell, const std::array<RoomConnector, 4>& turnedConnectors);

  int LastPlaced() const { return static_cast<int>(rows_.size()); }
  const Vec3& Connector(int cell, int direction) const;

 private:
  std::vector<ConnectorPositions> rows_;
};

// A connector's position as numbers; throws NumberTextError for a coordinate that is not one.
Vec3 ConnectorPoint(const RoomConnector& connector);

// The offset that puts a turned room so that its connector facing the entry cell lands on
// the entry cell's connector on that side; none for the first cell (fromCell 0).
// direction: 1..4, where the room lies from its entry cell.
Vec3 PlacementOffset(const ConnectorTable& table, int fromCell, int direction,
                     const std::array<RoomConnector, 4>& turnedConnectors);

}  // namespace vendrel
