#include "floor_plan.h"

#include <algorithm>

namespace vendrel::preview {
namespace {

constexpr double kCutAboveFloor = 96;
constexpr double kFloorThickness = 24;

bool Drawable(const MapBrush& brush) {
  return brush.world && brush.planeProblem.empty() && brush.hull.HasSolid();
}

}  // namespace

void DrawFloorPlan(PlanCanvas& canvas, const LevelMap& map, const std::vector<std::size_t>& brushes,
                   const QColor& floorColour) {
  double floorTop = 1e300;
  for (std::size_t b : brushes) {
    if (Drawable(map.brushes[b])) floorTop = std::min(floorTop, map.brushes[b].hull.high.z);
  }
  const double cut = floorTop + kCutAboveFloor;
  const QColor wall = floorColour.darker(260);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t b : brushes) {
      const MapBrush& brush = map.brushes[b];
      if (!Drawable(brush) || brush.hull.low.z > cut) continue;
      const bool floor = brush.hull.high.z <= floorTop + kFloorThickness;
      if (floor != (pass == 0)) continue;
      canvas.FillFootprint(brush.hull, floor ? floorColour : wall, floor ? floorColour.darker(130) : wall.darker(150));
    }
  }
}

bool WorldBounds(const LevelMap& map, Vec3& low, Vec3& high) {
  bool any = false;
  for (const MapBrush& brush : map.brushes) {
    if (!Drawable(brush)) continue;
    if (!any) {
      low = brush.hull.low;
      high = brush.hull.high;
      any = true;
      continue;
    }
    low = {std::min(low.x, brush.hull.low.x), std::min(low.y, brush.hull.low.y), std::min(low.z, brush.hull.low.z)};
    high = {std::max(high.x, brush.hull.high.x), std::max(high.y, brush.hull.high.y), std::max(high.z, brush.hull.high.z)};
  }
  return any;
}

}  // namespace vendrel::preview
