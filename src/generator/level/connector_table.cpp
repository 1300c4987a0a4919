#include "connector_table.h"

#include <stdexcept>
#include <string>

#include "number_text.h"

namespace vendrel {

void ConnectorTable::Clear() { rows_.clear(); }

ConnectorPositions& ConnectorTable::Record(int cell,
                                           const std::array<RoomConnector, 4>& turnedConnectors) {
  if (cell != LastPlaced() + 1) {
    throw std::logic_error("cell " + std::to_string(cell) + " placed out of order");
  }
  ConnectorPositions& row = rows_.emplace_back();
  for (std::size_t d = 0; d < 4; ++d) {
    if (turnedConnectors[d].present) row[d] = ConnectorPoint(turnedConnectors[d]);
  }
  return row;
}

const Vec3& ConnectorTable::Connector(int cell, int direction) const {
  return rows_.at(static_cast<std::size_t>(cell - 1)).at(static_cast<std::size_t>(direction));
}

Vec3 ConnectorPoint(const RoomConnector& connector) {
  return {NumberOrThrow(connector.x), NumberOrThrow(connector.y), NumberOrThrow(connector.z)};
}

Vec3 PlacementOffset(const ConnectorTable& table, int fromCell, int direction,
                     const std::array<RoomConnector, 4>& turnedConnectors) {
  if (fromCell == 0) return {};
  const Vec3& meets = table.Connector(fromCell, direction - 1);
  const Vec3 own = ConnectorPoint(turnedConnectors[static_cast<std::size_t>((direction + 1) % 4)]);
  return {meets.x - own.x, meets.y - own.y, meets.z - own.z};
}

}  // namespace vendrel
