#pragma once

#include <filesystem>
#include <vector>

#include "engine.h"
#include "level_plan.h"
#include "room_preparation.h"
#include "room_table.h"
#include "room_translation.h"
#include "run_state.h"

namespace vendrel {

// Where a cell's room went: what the level file holds of it lies between its first
// identifier and the next cell's.
struct PlacedRoom {
  int cell = 0;
  std::filesystem::path file;
  int turns = 0;
  Vec3 offset;
  float depth = 0;
  long long firstId = 0;  // the room's identifiers run from here to endId - 1
  long long endId = 0;
  std::size_t entityRowsEnd = 0;  // the level's entity rows up to here are of this room and earlier ones
};

enum class PlacementEnd { Placed, Aborted, RestartRequested };

struct PlacementResult {
  PlacementEnd end = PlacementEnd::Placed;
  std::vector<PlacedRoom> rooms;
};

// Places the level's rooms in cell order: gives each cell its path depth, turns its
// room's connectors, puts the room so that its facing connector lands on its entry
// cell's, and prepares and prints it through GetReady. totalRooms is the run's total of
// drawn rooms. Sets the state's rooms per level to the cell count and advances its
// next identifier. Ends early when a room leaves the world bounds (a restart request)
// or when the abort flag is found set while a room is prepared (that room is not printed
// and not listed) or after it.
PlacementResult PlaceRooms(const Engine& engine, const RoomTable& table, const LevelPlan& level,
                           int totalRooms, RoomAssembly& assembly, RunState& state);

}  // namespace vendrel
