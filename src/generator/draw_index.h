#pragma once

#include <algorithm>
#include <cstddef>

namespace vendrel {

// Position ⌊r × count⌋ of a list of count > 0 entries, for a draw r in [0, 1); held inside
// the list whatever r is.
inline std::size_t DrawIndex(double r, std::size_t count) {
  const double scaled = r * static_cast<double>(count);
  if (!(scaled > 0)) return 0;
  return std::min(static_cast<std::size_t>(scaled), count - 1);
}

}  // namespace vendrel
