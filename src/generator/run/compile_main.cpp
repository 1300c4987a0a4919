#include "compile_main.h"

#include "entity_census.h"
#include "failure_boundary.h"
#include "level_output.h"
#include "map_error.h"
#include "maze_room_choice.h"
#include "progress.h"
#include "spawn_rands.h"
#include "sun_position.h"

namespace vendrel {

LevelPaths DefaultLevelPaths(const std::filesystem::path& programFolder) {
  return {programFolder / "temp.dta", programFolder / "level1.vmf"};
}

GenerationRun::GenerationRun(const Engine& engine) : engine_(engine) {}

RunOutcome GenerationRun::CompileMain(const RunInputs& inputs) {
  struct ClearAbortOnReturn {
    RunState& state;
    ~ClearAbortOnReturn() { state.abortRequested = false; }
  } clearAbort{state_};
  return WithinMapError(engine_, "Compile Main", [&] { return Run(inputs); });
}

RunOutcome GenerationRun::Run(const RunInputs& inputs) {
  if (const std::string refused = RefuseLevelOutput(inputs.paths); !refused.empty()) {
    MapError(engine_, refused, false);
  }
  if (!state_.restartPending) engine_.random.StartRun();
  state_.restartPending = false;
  state_.skyName.clear();
  state_.mazeAttempts = 0;
  RunOutcome outcome;

  const SunValues sun = CalcSunAngle(inputs.options);
  const LevelPlan level =
      ChooseMazeAndRooms(engine_, inputs.options, sun, inputs.rooms, surface_, state_);
  outcome.mazeLine = level.mazeLine;
  outcome.mazeAttempts = state_.mazeAttempts;
  outcome.plan = level.cells;
  if (state_.abortRequested) {
    outcome.end = RunEnd::Aborted;
    return outcome;
  }
  outcome.roomsDrawn = level.roomsDrawn;
  outcome.cells = level.CellCount();
  outcome.skyName = state_.skyName;
  const int totalRooms = level.roomsDrawn;

  engine_.log.Log("Starting creation of level 1 of " + std::to_string(state_.levelCount), false, true);
  WorkingLevelFile working(inputs.paths);
  LevelWriter& writer = working.Writer();
  WriteLevelHeader(writer, state_.skyName);
  state_.nextId = 2;
  Items entityLines;
  SpawnContext spawn{engine_, inputs.options, inputs.dataFolder, sun, {}, {}};
  RoomAssembly assembly(
      writer, entityLines,
      [&spawn](Items& room, Items& worldInserts, float depth, std::string_view spawnKind) {
        SpawnRands(spawn, room, worldInserts, depth, spawnKind);
      },
      inputs.options.enemyMix, inputs.options.skipLights);

  PlacementResult placed = PlaceRooms(engine_, inputs.rooms, level, totalRooms, assembly, state_);
  outcome.rooms = std::move(placed.rooms);
  if (placed.end == PlacementEnd::RestartRequested) {
    state_.restartCountdown = 2;
    state_.restartPending = true;
    outcome.end = RunEnd::RestartRequested;
    return outcome;
  }
  if (placed.end == PlacementEnd::Aborted) {
    outcome.end = RunEnd::Aborted;
    return outcome;
  }

  const std::string cells = std::to_string(state_.roomsPerLevel);
  engine_.log.Log("Adding map entitys... (1/" + std::to_string(state_.levelCount) + " " +
                  std::to_string(state_.roomsPerLevel + 1) + "/" + cells + ")");
  engine_.host.Yield();
  outcome.entitiesByClass = CountEntityClasses(entityLines);
  std::size_t roomStart = 0;
  for (const PlacedRoom& room : outcome.rooms) {
    outcome.entitiesByRoom.push_back(CountEntityClasses(
        Items(entityLines.begin() + static_cast<std::ptrdiff_t>(roomStart),
              entityLines.begin() + static_cast<std::ptrdiff_t>(room.entityRowsEnd))));
    roomStart = room.entityRowsEnd;
  }
  WriteEntites(writer, entityLines);
  working.MoveIntoPlace();

  outcome.levelFile = inputs.paths.levelFile;
  outcome.identifiers = state_.nextId - 1;
  engine_.host.SetStatus("Done!");
  MrProg(engine_.host, 100);
  return outcome;
}

}  // namespace vendrel
