#pragma once

#include <cmath>
#include <cstddef>

namespace vendrel {

// ⌊value⌋ held inside low..high; a value that is not a number gives low.
inline long long FloorHeld(double value, long long low, long long high) {
  if (!(value > static_cast<double>(low))) return low;
  if (value >= static_cast<double>(high)) return high;
  return static_cast<long long>(std::floor(value));
}

// Position ⌊r × count⌋ of a list of count > 0 entries, for a draw r in [0, 1); held inside
// the list whatever r is.
inline std::size_t DrawIndex(double r, std::size_t count) {
  return static_cast<std::size_t>(
      FloorHeld(r * static_cast<double>(count), 0, static_cast<long long>(count) - 1));
}

}  // namespace vendrel
