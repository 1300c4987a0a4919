#pragma once

#include <QColor>
#include <cstddef>
#include <vector>

#include "level_map.h"
#include "plan_canvas.h"

namespace vendrel::preview {

// Draws a room's brushes as a floor plan cut at eye height: floors in the room's colour,
// what stands across the cut (walls, pillars, crates) darker on top, and nothing that lies
// wholly above it (ceilings, lintels), so the doorways stay open on the plan.
void DrawFloorPlan(PlanCanvas& canvas, const LevelMap& map, const std::vector<std::size_t>& brushes,
                   const QColor& floorColour);

// The bounds of every sound world brush, or nothing for a map without one.
bool WorldBounds(const LevelMap& map, Vec3& low, Vec3& high);

}  // namespace vendrel::preview
