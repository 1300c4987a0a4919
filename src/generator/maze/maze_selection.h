#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine.h"
#include "maze_pieces.h"
#include "maze_surface.h"

namespace vendrel {

inline constexpr int kMaxLineLength = 255;
inline constexpr int kMaxLineAttempts = 5000;

// What a level's maze line must be: its body's cell count (0 to 255), how it starts, how
// its main branch ends, and the direction (1 to 4) of the first body cell from the start.
struct LineRequest {
  int length = 0;
  StartKind startWith = StartKind::GameStart;
  EndKind endWith = EndKind::GameEnd;
  Direction direction = 1;
};

struct GoodLine {
  // The full maze line: direction digit, start code, body.
  std::string line;
  // Bodies created until one passed.
  int attempts = 0;
};

// Creates bodies until one passes the surface test on `surface` (the start cell (0, 0)
// counts as occupied), logging each attempt as detail; nothing after 5000 failures.
// While the surface shows, paints the chosen line. Throws std::invalid_argument for a
// request outside the ranges above.
std::optional<GoodLine> SearchGoodLine(const Engine& engine, MazeSurface& surface,
                                       const LineRequest& request);

// As SearchGoodLine, but 5000 failures are the fatal error reported through MapError.
GoodLine GetGoodLine(const Engine& engine, MazeSurface& surface, const LineRequest& request);

// The start code open towards the line; empty for a kind or direction out of range.
std::string_view GetStartRoom(StartKind startWith, Direction direction);

}  // namespace vendrel
