#include "brush_hull.h"

#include <algorithm>
#include <cmath>

namespace vendrel::preview {
namespace {

// Far beyond the world's bounds: a face that still reaches this far is not closed.
constexpr double kFar = 1 << 18;
constexpr double kOpenLimit = kFar / 4;
constexpr double kEpsilon = 1e-6;

using Plane = HullPlane;

bool ToPlane(const SidePlane& side, Plane& plane) {
  const Vec3 n = Cross(side.points[0] - side.points[1], side.points[2] - side.points[1]);
  const double length = std::sqrt(Dot(n, n));
  if (length < kEpsilon) return false;
  plane.normal = n * (1 / length);
  plane.distance = Dot(plane.normal, side.points[1]);
  return true;
}

std::vector<Vec3> HugeSquare(const Plane& plane) {
  const Vec3 n = plane.normal;
  const Vec3 helper = std::fabs(n.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  Vec3 u = Cross(helper, n);
  u = u * (1 / std::sqrt(Dot(u, u)));
  const Vec3 v = Cross(n, u);
  const Vec3 centre = n * plane.distance;
  return {centre + (u + v) * kFar, centre + (v - u) * kFar, centre - (u + v) * kFar,
          centre + (u - v) * kFar};
}

// Keeps the part of the polygon inside the plane's half-space.
std::vector<Vec3> Clip(const std::vector<Vec3>& polygon, const Plane& plane) {
  std::vector<Vec3> kept;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vec3 a = polygon[i];
    const Vec3 b = polygon[(i + 1) % polygon.size()];
    const double da = Dot(plane.normal, a) - plane.distance;
    const double db = Dot(plane.normal, b) - plane.distance;
    if (da <= kEpsilon) kept.push_back(a);
    if ((da > kEpsilon && db < -kEpsilon) || (da < -kEpsilon && db > kEpsilon)) {
      kept.push_back(a + (b - a) * (da / (da - db)));
    }
  }
  return kept;
}

double Area(const std::vector<Vec3>& polygon, Vec3 normal) {
  Vec3 sum;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    sum = sum + Cross(polygon[i], polygon[(i + 1) % polygon.size()]);
  }
  return std::fabs(Dot(sum, normal)) / 2;
}

}  // namespace

bool BrushHull::Contains(Vec3 point, double slack) const {
  for (const Plane& plane : planes) {
    if (Dot(plane.normal, point) - plane.distance > slack) return false;
  }
  return true;
}

BrushHull BuildHull(const std::vector<SidePlane>& sides) {
  BrushHull hull;
  std::vector<Plane> planes(sides.size());
  for (std::size_t i = 0; i < sides.size(); ++i) {
    if (!ToPlane(sides[i], planes[i])) {
      hull.fault = HullFault::DegeneratePlane;
      hull.faultySide = i;
      return hull;
    }
  }
  hull.planes = planes;
  hull.faces.resize(sides.size());
  hull.low = {kFar, kFar, kFar};
  hull.high = {-kFar, -kFar, -kFar};
  bool open = false;
  std::size_t emptySide = sides.size();
  for (std::size_t i = 0; i < planes.size(); ++i) {
    std::vector<Vec3> face = HugeSquare(planes[i]);
    for (std::size_t j = 0; j < planes.size() && !face.empty(); ++j) {
      if (j != i) face = Clip(face, planes[j]);
    }
    if (face.size() < 3 || Area(face, planes[i].normal) < kEpsilon) {
      if (emptySide == sides.size()) emptySide = i;
      face.clear();
    }
    for (const Vec3& corner : face) {
      if (std::fabs(corner.x) > kOpenLimit || std::fabs(corner.y) > kOpenLimit ||
          std::fabs(corner.z) > kOpenLimit) {
        open = true;
      }
      hull.low = {std::min(hull.low.x, corner.x), std::min(hull.low.y, corner.y), std::min(hull.low.z, corner.z)};
      hull.high = {std::max(hull.high.x, corner.x), std::max(hull.high.y, corner.y),
                   std::max(hull.high.z, corner.z)};
    }
    if (!face.empty()) hull.volume += Dot(planes[i].normal, face[0]) * Area(face, planes[i].normal) / 3;
    hull.faces[i] = std::move(face);
  }
  if (open || sides.size() < 4) {
    hull.fault = HullFault::Open;
  } else if (hull.volume < 1e-3) {
    hull.fault = HullFault::NoVolume;
  } else if (emptySide != sides.size()) {
    hull.fault = HullFault::SideOutside;
    hull.faultySide = emptySide;
  }
  return hull;
}

}  // namespace vendrel::preview
