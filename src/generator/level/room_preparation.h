#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>

#include "engine.h"
#include "level_writer.h"
#include "name_fixing.h"
#include "random_source.h"
#include "room_file_cache.h"
#include "room_text.h"
#include "room_translation.h"

namespace vendrel {

// Expands a room's placeholders: appends the entities it generates to the end of `room`
// and may append brushes to `worldInserts`, which are printed into the world ahead of
// the room. A copied entity that is no spawn group goes to the end of `room` as items.
using SpawnStep =
    std::function<void(Items& room, Items& worldInserts, float depth, std::string_view spawnKind)>;

// What the rooms of one level share while they are prepared; the run owns it and makes
// a fresh one (or resets `nameCounter`) for each level.
struct RoomAssembly {
  RoomAssembly(LevelWriter& levelWriter, Items& levelEntityLines, SpawnStep spawn, int mix,
               bool skipRoomLights)
      : writer(levelWriter),
        entityLines(levelEntityLines),
        spawnStep(std::move(spawn)),
        enemyMix(mix),
        skipLights(skipRoomLights) {}

  LevelWriter& writer;
  Items& entityLines;  // the level's entity rows
  SpawnStep spawnStep;
  int enemyMix = 10;          // AlienCombineBar
  bool skipLights = false;    // FP: the room's lights are removed
  NameList names;             // the names of the room being prepared
  long long nameCounter = 0;  // NameCounter: new names given in this level so far
  RoomFileCache roomFiles;    // each room file read once however many cells use it
  // The text of the room being prepared; kept from cell to cell so its strings' buffers are
  // reused rather than allocated for every item of every cell.
  Items roomText;
};

// Seconds: the time of day the room was started, then the length of each step.
struct RoomTimings {
  double start = 0;
  float read = 0, turn = 0, move = 0, spawn = 0, remove = 0, names = 0, ids = 0, print = 0;
};

struct GetReadyResult {
  // The room left the world bounds too often: nothing was printed, and the run is to end
  // this attempt and restart itself.
  bool restartRequested = false;
  // The abort flag was found set before the room was printed: nothing was printed.
  bool aborted = false;
  RoomTimings timings;
};

// Reads the room file (through the assembly's cache), turns the room by `rotations` quarter turns, moves it by `offset`
// (and the cell's connector positions with it), expands its placeholders at `depth`,
// removes them, gives names and identifiers their level-wide values (world inserts
// first, as they print first) and prints it. `nextId` advances by the identifiers used.
// `abortRequested` is the run's abort flag, which the host may set while the room is
// prepared: it is tested after the move and again after the names, before printing.
// A room file that cannot be read, ends early or holds a non-number where arithmetic
// needs one ends the run through MapError, naming the file and the line.
GetReadyResult GetReady(const Engine& engine, RoomAssembly& assembly,
                        const std::filesystem::path& roomFilePath, const Vec3& offset, float depth,
                        long long& nextId, int rotations, ConnectorPositions& cellConnectors,
                        const bool& abortRequested);

// The room's enemy kind from the enemy mix: empty (any enemy) more often the further the
// mix is from its middle 10, otherwise "c" or "x", "c" the likelier the higher the mix.
std::string_view ChooseSpawnKind(RandomSource& random, int enemyMix);

}  // namespace vendrel
