#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine.h"
#include "level_writer.h"
#include "maze_surface.h"
#include "room_placement.h"
#include "room_table.h"
#include "run_options.h"
#include "run_state.h"

namespace vendrel {

// Where a run writes: the working map file while the level is written, and the level
// file it becomes.
struct LevelPaths {
  std::filesystem::path workingFile;
  std::filesystem::path levelFile;
};

// "temp.dta" and "level1.vmf" in the program folder.
LevelPaths DefaultLevelPaths(const std::filesystem::path& programFolder);

struct RunInputs {
  const RunOptions& options;
  const RoomTable& rooms;
  std::filesystem::path dataFolder;  // itemdata.ini, gundata.ini, npcdata.ini
  LevelPaths paths;
};

enum class RunEnd { Done, Aborted, RestartRequested };

// What a run did, for the front end's summary.
struct RunOutcome {
  RunEnd end = RunEnd::Done;
  std::filesystem::path levelFile;
  std::string mazeLine;
  int roomsDrawn = 0;
  int mazeAttempts = 0;
  int cells = 0;
  std::string skyName;
  long long identifiers = 0;  // the world's and every one the rooms were given
  std::map<std::string, int> entitiesByClass;
  std::vector<PlannedCell> plan;
  std::vector<PlacedRoom> rooms;
  // What each placed room brought into the level, in the order of `rooms`.
  std::vector<std::map<std::string, int>> entitiesByRoom;
};

// The generation run of one window: its state lives here between runs, so that the
// abort button can reach the running one through State() and a restart goes on drawing.
class GenerationRun {
 public:
  explicit GenerationRun(const Engine& engine);

  RunState& State() { return state_; }
  // The surface the run lays its maze lines on; its picture shows while ShowSurf is on.
  MazeSurface& Surface() { return surface_; }

  // One run: the maze and the rooms, the level header, every room, the entities, and the
  // working file moved to the level file; "Done!" at the end. Returns early, writing no
  // level file, when the abort flag is found set at a test point or when a room leaves
  // the world bounds, which arms the automatic restart (countdown 2, status "Path out of
  // bounds! Restart in 2..."): the front end is to start the run again. The abort flag is
  // cleared when the run returns. A level file that is a folder, a device, a FIFO or a
  // socket is refused before anything is written; the old level stays whole until the
  // finished working file replaces it, and a run that ends early removes its working file.
  // Every failure, of whatever kind, ends the run through MapError.
  RunOutcome CompileMain(const RunInputs& inputs);

 private:
  RunOutcome Run(const RunInputs& inputs);

  const Engine& engine_;
  RunState state_;
  MazeSurface surface_;
};

}  // namespace vendrel
