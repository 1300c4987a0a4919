#include "room_choice.h"

#include <array>
#include <string>

#include "map_error.h"
#include "room_rotation.h"

namespace vendrel {

EntryRequirement EntryRequirementFor(const RoomRow& fromRoom, int fromTurns, int direction,
                                     int turns) {
  const auto connectors = fromRoom.Connectors();
  std::array<int, 4> fromSizes{};
  for (std::size_t d = 0; d < 4; ++d) fromSizes[d] = connectors[d].size;
  // The entry cell's sizes as they stand in the level.
  RotateValues(fromSizes[0], fromSizes[1], fromSizes[2], fromSizes[3], fromTurns);
  const int size = fromSizes[static_cast<std::size_t>(direction - 1)];

  // The requirement on the facing side, in the level, turned back into the room's own frame.
  std::array<std::optional<int>, 4> required;
  required[static_cast<std::size_t>((direction + 1) % 4)] = size;
  RotateValues(required[0], required[1], required[2], required[3], (4 - turns % 4) % 4);
  for (int side = 0; side < 4; ++side) {
    if (required[static_cast<std::size_t>(side)]) return {side, size};
  }
  return {};
}

const std::vector<std::size_t>& FittingRooms(const RoomCatalogue& catalogue, const RoomTable& table,
                                             long long genre, const LevelPlan& level,
                                             const PlannedCell& cell) {
  if (cell.from == 0) return catalogue.Rooms(genre, cell.typeCode);
  const PlannedCell& from = level.Cell(cell.from);
  const EntryRequirement need =
      EntryRequirementFor(table.rows[from.room], from.turns, cell.direction, cell.turns);
  return catalogue.RoomsWithConnector(genre, cell.typeCode, need.ownSide, need.size);
}

std::size_t ChooseCellRoom(const Engine& engine, const RoomCatalogue& catalogue,
                           const RoomTable& table, long long genre, const LevelPlan& level,
                           const PlannedCell& cell) {
  const std::vector<std::size_t>& rooms = FittingRooms(catalogue, table, genre, level, cell);
  if (rooms.empty()) {
    MapError(engine,
             "Could not find any rooms to match current room connection type! (" +
                 std::to_string(cell.typeCode) + ")",
             false);
  }
  engine.random.Randa();
  const auto position = static_cast<std::size_t>(static_cast<double>(rooms.size()) * engine.random.Draw());
  return rooms[position < rooms.size() ? position : rooms.size() - 1];
}

}  // namespace vendrel
