#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine.h"
#include "maze_selection.h"
#include "maze_surface.h"

namespace vendrel {

// What Make100Maps makes: how many mazes, and any part of the request that is fixed
// instead of drawn. An empty folder means the program folder's "Maps".
struct MazeBatch {
  int count = 100;
  std::optional<int> length;
  std::optional<StartKind> startWith;
  std::optional<EndKind> endWith;
  std::optional<Direction> direction;
  std::filesystem::path folder;
};

// One line of a batch. A line that could not be created in 5000 attempts has no good
// line and no files.
struct MadeMaze {
  int number = 0;
  LineRequest request;
  bool created = false;
  GoodLine good;
  std::filesystem::path picture;
  std::filesystem::path text;
};

struct MazeBatchResult {
  int created = 0;
  int failed = 0;  // lines not created in 5000 attempts
};

// "<length> rooms, start kind <k>, end kind <k>, direction <d>", as reports name a line.
std::string DescribeLineRequest(const LineRequest& request);

// A request from four fresh draws: 1 to 50 rooms, start kind, end kind, direction.
LineRequest DrawLineRequest(RandomSource& random);

// Switches the surface's picture on (it stays on) and makes `count` random maze lines,
// saving each picture as "Map<n>.bmp" and its full line as "Map<n>.txt" in the folder,
// which is created when missing; `onMaze` hears of each maze as it is saved or given up.
// A line not created in 5000 attempts is logged, gets no files, and the batch goes on.
// Ends with the message "Klar!". Every failure, a folder or file that cannot be written
// among them, ends the batch through MapError.
MazeBatchResult Make100Maps(const Engine& engine, MazeSurface& surface, const MazeBatch& batch,
                            const std::function<void(const MadeMaze&)>& onMaze = {});

}  // namespace vendrel
