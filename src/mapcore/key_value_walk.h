#pragma once

#include <cstddef>
#include <string>

#include "number_text.h"
#include "quoted_excerpt.h"
#include "room_text.h"
#include "room_value_error.h"

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

// Walks the key and value pairs of a room's items: `keyOf` names the keys an operation
// changes (its value-initialised result, None, for any other item) and `change(key, i)`
// rewrites room[i], the value after that key, returning false to stop the walk. A value
// that is not a number where one is needed is reported at its place.
template <typename KeyOf, typename Change>
void WalkKeyValues(Items& room, KeyOf keyOf, Change change) {
  ForEachKey(room, [&](std::size_t keyAt) {
    const auto key = keyOf(room[keyAt]);
    if (key == decltype(key){}) return true;
    const std::size_t i = keyAt + 1;
    try {
      return change(key, i);
    } catch (const NumberTextError& error) {
      throw RoomValueError(i, room[keyAt], room[i],
                           "holds " + QuotedExcerpt(error.Text()) + " where a number is needed");
    }
  });
}

}  // namespace vendrel
