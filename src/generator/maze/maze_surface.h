#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine.h"
#include "maze_picture.h"
#include "maze_pieces.h"

namespace vendrel {

// `Surf`: the occupancy grid on which maze lines are tested, with its fault counter and,
// while `ShowSurf` is on, the picture the walks paint. The grid covers cells -100..300 on
// both axes; it remembers which cells a walk touched, so a reset costs in proportion to
// those and not to the grid. The rare cell beyond the grid is kept in a list of its own.
class MazeSurface {
 public:
  static constexpr int kBadStartFault = 99;

  MazeSurface();

  // Frees every cell and zeroes the fault counter.
  void ResetSurf();
  // Occupies a cell without counting a fault: the cell of the level's start room.
  void Occupy(GridCell cell);
  // Marks cell (xt, yt), counting a fault when it was occupied already, and paints it
  // while ShowSurf is on.
  void DrawPoint(int xt, int yt, std::string_view fillIndex, Rgb color);

  // Walks a maze line body from cell (gx, gy), first moving in `direction` (1 to 4),
  // marking every cell it enters; returns the text after the walked branch. A walk that
  // starts outside the world bounds sets the fault counter to 99 and walks nothing.
  std::string_view TestSurfDraw(const Engine& engine, int gx, int gy, std::string_view pText,
                                Direction direction);

  // The surface test of a body from cell (gx, gy): true when the walk enters no cell twice
  // and starts nowhere outside the world bounds. A failed walk stops at its first fault
  // unless ShowSurf is on, for then the picture shows the whole walk.
  bool WalkPasses(const Engine& engine, int gx, int gy, std::string_view body,
                  Direction direction);

  // Paints a chosen line (its start code and body) from the start cell on a cleared
  // picture. Unlike the test walk it refuses no branch, so the picture shows every cell.
  void PaintLine(const Engine& engine, std::string_view startAndBody, Direction direction);

  int SurfFault() const { return surfFault_; }
  bool IsOccupied(GridCell cell) const;
  std::size_t OccupiedCount() const { return touched_.size() + beyondGrid_.size(); }

  void SetShowSurf(bool show) { showSurf_ = show; }
  bool ShowSurf() const { return showSurf_; }
  const MazePicture& Picture() const { return picture_; }

 private:
  // Occupies a cell; false when it was occupied already.
  bool Mark(GridCell cell);

  enum class WalkMode { CountFaults, StopAtFault, PaintAll };
  std::string_view Walk(const Engine& engine, GridCell start, std::string_view text,
                        Direction direction, WalkMode mode);

  std::vector<std::uint8_t> grid_;
  std::vector<std::size_t> touched_;
  std::vector<GridCell> beyondGrid_;
  int surfFault_ = 0;
  bool showSurf_ = false;
  MazePicture picture_;
};

}  // namespace vendrel
