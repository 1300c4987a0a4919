#pragma once

#include <cstddef>
#include <string>

#include "room_text.h"

namespace vendrel {

// Room items read as the printer reads them: an empty item, a brace and the world's end
// stand alone, an item before "{" names a block, and any other item is a key whose value
// is the item after it. So a value that happens to spell a key ("id", "origin") is never
// taken for one. Item i (not the last) stands alone when it is no key.
inline bool StandsAlone(const Items& items, std::size_t i) {
  const std::string& item = items[i];
  return item.empty() || item == "{" || item == "}" || item == kWorldEndMarker ||
         items[i + 1] == "{";
}

// Visits the position of every key; `visit(i)` returns false to stop.
template <typename Visit>
void ForEachKey(const Items& items, Visit visit) {
  std::size_t i = 0;
  while (i + 1 < items.size()) {
    if (StandsAlone(items, i)) {
      ++i;
      continue;
    }
    if (!visit(i)) return;
    i += 2;
  }
}

}  // namespace vendrel
