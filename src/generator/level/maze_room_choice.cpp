#include "maze_room_choice.h"

#include <stdexcept>
#include <string>

#include "level_size.h"
#include "maze_directions.h"
#include "maze_selection.h"
#include "piece_codes.h"
#include "progress.h"
#include "room_catalogue.h"
#include "room_choice.h"
#include "sky_choice.h"

namespace vendrel {

LevelPlan ChooseMazeAndRooms(const Engine& engine, const RunOptions& options, const SunValues& sun,
                             const RoomTable& table, MazeSurface& surface, RunState& state) {
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);

  engine.log.Log("Randomizing Levels...");
  engine.host.Yield();
  engine.log.Log("Randomizing levels...", false, true);
  state.roomsPerLevel = DrawRoomsPerLevel(engine.random, options.mapSize);
  state.levelCount = 1;

  LevelPlan level;
  engine.log.Log("Creating maze 1 of 1");
  MrProg(engine.host, 100);
  engine.host.Yield();
  engine.random.Randa();
  const auto direction = static_cast<Direction>(engine.random.Draw() * 4 + 1);
  engine.log.Log("Fetching maze line with " + std::to_string(state.roomsPerLevel) + " rooms.", false,
                 true);
  const GoodLine good =
      GetGoodLine(engine, surface, {state.roomsPerLevel, StartKind::GameStart, EndKind::GameEnd, direction});
  level.mazeLine = good.line;
  state.mazeAttempts = good.attempts;
  level.roomsDrawn = state.roomsPerLevel;
  const DirList directions = MapDirection(engine, level.mazeLine);
  if (state.abortRequested) return level;

  const int cells = state.roomsPerLevel + 1;
  if (directions.Count() != cells || level.mazeLine.size() != static_cast<std::size_t>(2 * cells + 1)) {
    throw std::logic_error("the maze line " + level.mazeLine + " does not hold " +
                           std::to_string(cells) + " cells");
  }
  for (int k = 1; k <= cells; ++k) {
    engine.log.Log("Randomizing room " + std::to_string(2 * k - 1) + " of " +
                   std::to_string(2 * state.roomsPerLevel + 1));
    PlannedCell cell;
    cell.pieceCode = level.mazeLine.substr(static_cast<std::size_t>(2 * k - 1), 2);
    const DirEntry& entry = directions.At(k);
    if (entry.from < 0 || entry.from >= k || !IsDirection(entry.direction)) {
      throw std::logic_error("cell " + std::to_string(k) + " of the maze line " + level.mazeLine +
                             " hangs on no earlier cell");
    }
    cell.from = entry.from;
    cell.direction = entry.direction;
    const PieceChoice piece = ChoosePiece(engine, cell.pieceCode, level.mazeLine);
    cell.typeCode = piece.typeCode;
    cell.turns = piece.turns;
    cell.room = ChooseCellRoom(engine, catalogue, table, options.genre, level, cell);
    level.cells.push_back(cell);
  }
  if (state.abortRequested) return level;

  state.skyName = ChooseSky(sun, engine.random);
  engine.log.Log("Choosed " + state.skyName + " as skybox.", false, true);
  return level;
}

}  // namespace vendrel
