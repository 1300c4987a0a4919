#include "path_depth.h"

#include <cstddef>

namespace vendrel {
namespace {

constexpr int kGameEndType = 6;

// Each cell lies one step further than the cell it is entered from.
std::vector<float> Chain(const LevelPlan& level, double step, bool stopAtGameEnd) {
  std::vector<float> depths;
  depths.reserve(level.cells.size());
  for (const PlannedCell& cell : level.cells) {
    const float fromDepth = cell.from > 0 ? depths[static_cast<std::size_t>(cell.from - 1)] : 0.0F;
    depths.push_back(static_cast<float>(fromDepth + step));
    if (stopAtGameEnd && cell.typeCode == kGameEndType) break;
  }
  return depths;
}

}  // namespace

std::vector<float> PathDepths(const LevelPlan& level, int totalRooms) {
  if (level.cells.empty() || totalRooms <= 0) return std::vector<float>(level.cells.size(), 0.0F);
  const double step = 1.0 / totalRooms;
  const float endDepth = Chain(level, step, true).back();
  return Chain(level, step / endDepth, false);
}

}  // namespace vendrel
