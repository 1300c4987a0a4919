#pragma once

#include <cstddef>
#include <string>

#include "number_text.h"
#include "room_text.h"
#include "room_value_error.h"

namespace vendrel {

// Walks the key and value pairs of a room's items: `keyOf` names the keys an operation
// changes (its value-initialised result, None, for any other item) and `change(key, i)`
// rewrites room[i], the value after that key, returning false to stop the walk. A value
// that is not a number where one is needed is reported at its place.
template <typename KeyOf, typename Change>
void WalkKeyValues(Items& room, KeyOf keyOf, Change change) {
  for (std::size_t i = 0; i + 1 < room.size(); ++i) {
    const auto key = keyOf(room[i]);
    if (key == decltype(key){}) continue;
    ++i;
    try {
      if (!change(key, i)) return;
    } catch (const NumberTextError& error) {
      throw RoomValueError(i, room[i - 1], room[i],
                           "holds \"" + error.Text() + "\" where a number is needed");
    }
  }
}

}  // namespace vendrel
