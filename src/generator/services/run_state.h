#pragma once

#include <string>

namespace vendrel {

// What a generation run shares with the window that starts it. The abort button sets
// abortRequested while the run yields; the run tests it at its test points.
struct RunState {
  bool abortRequested = false;
  // 2 when a room left the world bounds and the run asks to be started again; the window
  // counts it down and sets 99 once the restart fires (no confirmation from then on).
  int restartCountdown = 0;
  // The run that ends with a restart request leaves this set, so that the run it
  // requested goes on drawing from the random source instead of starting the custom
  // seed's sequence afresh, which would meet the same bounds again forever.
  bool restartPending = false;
  int levelCount = 0;
  // Rooms drawn for the level; while a level is placed, its cell count.
  int roomsPerLevel = 0;
  // Maze lines made for the level until one passed the surface test; kept here so that a
  // run that fails after its maze still tells.
  int mazeAttempts = 0;
  long long nextId = 2;
  std::string skyName;
};

}  // namespace vendrel
