#pragma once

namespace vendrel {

inline constexpr double kWorldLimit = 16384;
// A room's own point beyond this cannot come from a map in the editor's world; a point
// only a little outside is left to the bounds test of the room's placement.
inline constexpr double kFarOutsideWorld = 2 * kWorldLimit;

// True when any coordinate lies outside the map's valid range; the bounds themselves
// are valid.
constexpr bool BadPos(double x, double y, double z) {
  return x > kWorldLimit || x < -kWorldLimit || y > kWorldLimit || y < -kWorldLimit ||
         z > kWorldLimit || z < -kWorldLimit;
}

}  // namespace vendrel
