#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>

#include "engine.h"
#include "maze_selection.h"
#include "maze_surface.h"

namespace vendrel {

// A picture or text of a batch of mazes could not be written.
class MazeOutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

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

struct MadeMaze {
  int number = 0;
  LineRequest request;
  GoodLine good;
  std::filesystem::path picture;
  std::filesystem::path text;
};

// A request from four fresh draws: 1 to 50 rooms, start kind, end kind, direction.
LineRequest DrawLineRequest(RandomSource& random);

// Switches the surface's picture on (it stays on) and makes `count` random maze lines,
// saving each picture as "Map<n>.bmp" and its full line as "Map<n>.txt" in the folder,
// which is created when missing; `onMaze` hears of each maze as it is saved. Ends with
// the message "Klar!". Throws MazeOutputError when a folder or file cannot be written,
// std::invalid_argument for a negative count or a fixed value out of range.
void Make100Maps(const Engine& engine, MazeSurface& surface, const MazeBatch& batch,
                 const std::function<void(const MadeMaze&)>& onMaze = {});

}  // namespace vendrel
