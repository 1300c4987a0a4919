#include "maze_surface.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "world_bounds.h"

namespace vendrel {
namespace {

// World units a grid cell stands for in the bounds test.
constexpr double kCellSize = 3000;

constexpr int kGridOffset = 100;
constexpr int kGridSide = 401;

// The grid element of a cell, or nothing beyond the grid.
std::optional<std::size_t> GridIndex(GridCell cell) {
  const int column = cell.x + kGridOffset;
  const int row = cell.y + kGridOffset;
  if (column < 0 || column >= kGridSide || row < 0 || row >= kGridSide) return std::nullopt;
  return static_cast<std::size_t>(row) * kGridSide + static_cast<std::size_t>(column);
}

}  // namespace

MazeSurface::MazeSurface() : grid_(static_cast<std::size_t>(kGridSide) * kGridSide, 0) {}

void MazeSurface::ResetSurf() {
  for (const std::size_t index : touched_) grid_[index] = 0;
  touched_.clear();
  beyondGrid_.clear();
  surfFault_ = 0;
}

bool MazeSurface::Mark(GridCell cell) {
  const std::optional<std::size_t> index = GridIndex(cell);
  if (!index) {
    if (IsOccupied(cell)) return false;
    beyondGrid_.push_back(cell);
    return true;
  }
  if (grid_[*index] != 0) return false;
  grid_[*index] = 1;
  touched_.push_back(*index);
  return true;
}

bool MazeSurface::IsOccupied(GridCell cell) const {
  const std::optional<std::size_t> index = GridIndex(cell);
  if (!index) return std::find(beyondGrid_.begin(), beyondGrid_.end(), cell) != beyondGrid_.end();
  return grid_[*index] != 0;
}

void MazeSurface::Occupy(GridCell cell) { Mark(cell); }

void MazeSurface::DrawPoint(int xt, int yt, std::string_view fillIndex, Rgb color) {
  if (!Mark({xt, yt})) ++surfFault_;
  if (showSurf_) picture_.Paint(xt, yt, fillIndex, color);
}

std::string_view MazeSurface::TestSurfDraw(const Engine& engine, int gx, int gy,
                                           std::string_view pText, Direction direction) {
  if (!IsDirection(direction)) throw std::invalid_argument("A maze walk needs a direction 1 to 4");
  return Walk(engine, {gx, gy}, pText, direction, WalkMode::CountFaults);
}

bool MazeSurface::WalkPasses(const Engine& engine, int gx, int gy, std::string_view body,
                             Direction direction) {
  if (!IsDirection(direction)) throw std::invalid_argument("A maze walk needs a direction 1 to 4");
  Walk(engine, {gx, gy}, body, direction, showSurf_ ? WalkMode::CountFaults : WalkMode::StopAtFault);
  return surfFault_ == 0;
}

void MazeSurface::PaintLine(const Engine& engine, std::string_view startAndBody,
                            Direction direction) {
  if (!IsDirection(direction)) throw std::invalid_argument("A maze walk needs a direction 1 to 4");
  picture_.Clear();
  Walk(engine, {0, 0}, startAndBody, direction, WalkMode::PaintAll);
}

std::string_view MazeSurface::Walk(const Engine& engine, GridCell start, std::string_view text,
                                   Direction direction, WalkMode mode) {
  // Once a fault is counted the line has failed; the rest of the walk cannot mend it.
  const bool stopAtFault = mode == WalkMode::StopAtFault;
  if (mode != WalkMode::PaintAll && BadPos(kCellSize * start.x, kCellSize * start.y, 0)) {
    surfFault_ = kBadStartFault;
    return {};
  }
  GridCell cell = start;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    cell = Step(cell, direction);
    const int piece = ParsePiece(text.substr(i, 2));
    if (piece == kNotAPiece) continue;
    DrawPoint(cell.x, cell.y, CellPattern(piece), CellColour(piece));
    if (stopAtFault && surfFault_ != 0) return {};
    const std::string_view rest = text.substr(i + 2);
    if (IsJunction(piece)) {
      std::string_view remainder = rest;
      for (const Direction exit : ExitsOf(engine, piece, direction)) {
        remainder = Walk(engine, cell, remainder, exit, mode);
        if (stopAtFault && surfFault_ != 0) return {};
      }
      return remainder;
    }
    if (IsEndPiece(piece)) return rest;
    direction = TurnExit(piece, direction);
  }
  return {};
}

}  // namespace vendrel
