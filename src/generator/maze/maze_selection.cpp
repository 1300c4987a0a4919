#include "maze_selection.h"

#include <stdexcept>

#include "maze_line.h"
#include "map_error.h"

namespace vendrel {
namespace {

void CheckRequest(const LineRequest& request) {
  if (request.length < 0 || request.length > kMaxLineLength || !IsDirection(request.direction) ||
      !IsStartKind(static_cast<int>(request.startWith)) ||
      !IsEndKind(static_cast<int>(request.endWith))) {
    throw std::invalid_argument(
        "A maze line needs 0 to 255 rooms, a start kind 0 or 1, an end kind 0 to 2 and a "
        "direction 1 to 4");
  }
}

bool PassesSurfaceTest(const Engine& engine, MazeSurface& surface, std::string_view body,
                       Direction direction) {
  surface.ResetSurf();
  surface.Occupy({0, 0});
  return surface.WalkPasses(engine, 0, 0, body, direction);
}

}  // namespace

std::optional<GoodLine> SearchGoodLine(const Engine& engine, MazeSurface& surface,
                                       const LineRequest& request) {
  CheckRequest(request);
  const std::string length = std::to_string(request.length);
  const Direction direction = request.direction;
  engine.log.Log("Attempting to create line with " + length +
                     " rooms, starting in the direction: " + std::to_string(direction),
                 true, true);
  GoodLine result;
  std::string body;
  for (;;) {
    ++result.attempts;
    CreateLine(engine, body, request.length, direction, request.endWith);
    // Most runs drop detail lines: the text of one is built only when it is written.
    if (!engine.log.DropsDetail()) {
      engine.log.Log("Got Maze Line on attempt " + std::to_string(result.attempts) +
                         ". Maze line: " + body,
                     true, true);
    }
    if (PassesSurfaceTest(engine, surface, body, direction)) {
      engine.log.Log("Maze Line passed!", true, true);
      break;
    }
    if (result.attempts == kMaxLineAttempts) return std::nullopt;
  }
  engine.log.Log(std::to_string(result.attempts) + " attempts.", false, true);

  const std::string_view start = GetStartRoom(request.startWith, direction);
  result.line.reserve(1 + start.size() + body.size());
  result.line += static_cast<char>('0' + direction);
  result.line += start;
  result.line += body;
  if (surface.ShowSurf()) surface.PaintLine(engine, std::string_view(result.line).substr(1), direction);
  return result;
}

GoodLine GetGoodLine(const Engine& engine, MazeSurface& surface, const LineRequest& request) {
  std::optional<GoodLine> good = SearchGoodLine(engine, surface, request);
  if (!good) {
    MapError(engine, "Could not create maze. Aborted line creating attempt after 5000 times.", true,
             "Where not able to successfully create line witch could be passed. (Rooms=" +
                 std::to_string(request.length) + ")");
  }
  return *std::move(good);
}

std::string_view GetStartRoom(StartKind startWith, Direction direction) {
  return PieceCode(StartPiece(startWith, direction));
}

}  // namespace vendrel
