#include "room_placement.h"

#include <string>

#include "connector_table.h"
#include "path_depth.h"
#include "progress.h"
#include "room_rotation.h"

namespace vendrel {

PlacementResult PlaceRooms(const Engine& engine, const RoomTable& table, const LevelPlan& level,
                           int totalRooms, RoomAssembly& assembly, RunState& state) {
  PlacementResult result;
  const int cells = level.CellCount();
  state.roomsPerLevel = cells;
  ConnectorTable connectors;
  const std::vector<float> depths = PathDepths(level, totalRooms);
  std::vector<std::filesystem::path> files;
  for (int k = 1; k <= cells; ++k) files.push_back(table.rows[level.Cell(k).room].File());
  assembly.roomFiles.ReadAhead(std::move(files));

  for (int k = 1; k <= cells; ++k) {
    MrProg(engine.host, static_cast<double>(k) * 100 / cells);
    engine.log.Log("Generating room " + std::to_string(k) + " of " + std::to_string(cells) +
                   " (Level:1/" + std::to_string(state.levelCount) + ")");
    engine.host.Yield();

    const PlannedCell& cell = level.Cell(k);
    const RoomRow& room = table.rows[cell.room];
    auto turned = room.Connectors();
    RotateConnections(turned, cell.turns);
    const Vec3 offset = PlacementOffset(connectors, cell.from, cell.direction, turned);
    ConnectorPositions& placed = connectors.Record(k, turned);

    PlacedRoom& record = result.rooms.emplace_back();
    record = {k, room.File(), cell.turns, offset, depths[static_cast<std::size_t>(k - 1)],
              state.nextId, state.nextId};
    engine.log.Log("Calling GetReady with parameters: " + record.file.string() + " " +
                       engine.log.Number(offset.x) + " " + engine.log.Number(offset.y) + " " +
                       engine.log.Number(offset.z) + " " + engine.log.SingleNumber(record.depth) + " " +
                       std::to_string(state.nextId) + " " + std::to_string(cell.turns),
                   false, true);
    const GetReadyResult prepared =
        GetReady(engine, assembly, record.file, offset, record.depth, state.nextId, cell.turns,
                 placed, state.abortRequested);
    record.endId = state.nextId;
    record.entityRowsEnd = assembly.entityLines.size();
    if (prepared.aborted) {
      result.rooms.pop_back();
      result.end = PlacementEnd::Aborted;
      return result;
    }
    if (prepared.restartRequested) {
      result.end = PlacementEnd::RestartRequested;
      return result;
    }
    if (state.abortRequested) {
      result.end = PlacementEnd::Aborted;
      return result;
    }
  }
  return result;
}

}  // namespace vendrel
