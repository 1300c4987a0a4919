#pragma once

namespace vendrel {

inline constexpr double kWorldLimit = 16384;

// True when any coordinate lies outside the map's valid range; the bounds themselves
// are valid.
constexpr bool BadPos(double x, double y, double z) {
  return x > kWorldLimit || x < -kWorldLimit || y > kWorldLimit || y < -kWorldLimit ||
         z > kWorldLimit || z < -kWorldLimit;
}

}  // namespace vendrel
