#pragma once

#include <string>
#include <vector>

#include "vec3.h"

namespace vendrel::preview {

// One side's plane as the editor stores it: three points, wound so that the normal
// (p0 - p1) x (p2 - p1) points out of the brush.
struct SidePlane {
  Vec3 points[3];
};

enum class HullFault {
  None,
  DegeneratePlane,  // a side's three points lie on one line
  Open,             // the sides leave the brush unbounded
  NoVolume,         // the sides enclose nothing, or a flat sheet
  SideOutside,      // a side touches nothing of the brush: the shape is not convex
};

struct HullPlane {
  Vec3 normal;  // unit length, out of the brush
  double distance = 0;
};

struct BrushHull {
  HullFault fault = HullFault::None;
  std::vector<HullPlane> planes;
  std::size_t faultySide = 0;  // index of the side a DegeneratePlane or SideOutside names
  std::vector<std::vector<Vec3>> faces;  // one polygon a side, empty for a faulty one
  Vec3 low, high;                        // bounds of the hull's corners
  double volume = 0;

  // A brush with a stray side still encloses space, which seals and is drawn.
  bool HasSolid() const { return fault == HullFault::None || fault == HullFault::SideOutside; }

  // True when `point` lies inside every side's half-space, within `slack` map units.
  bool Contains(Vec3 point, double slack) const;
};

// The solid the sides' half-spaces enclose, and whether it is a sound brush.
BrushHull BuildHull(const std::vector<SidePlane>& sides);

}  // namespace vendrel::preview
