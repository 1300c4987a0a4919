#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "room_text.h"

namespace vendrel {

enum class MapTextLayout {
  // A designer's map: every row stands inside a block, and the first "solid" item opens
  // a brush directly in the world block, where a room's body begins.
  Map,
  // A room file's body: the world's rows, the world end line in place of the world's
  // closing brace, then the entity blocks.
  RoomBody,
};

struct MapTextFault {
  std::size_t line = 0;
  std::string problem;
};

// The first thing in the map text that would break a level printed from it: a row that
// is not a key with its value, a block name, a brace or the world end line; braces that
// do not balance; a control byte inside an item; a position, texture axis or angle that
// is not a finite number, or a position far outside the world. `lines` holds the line of
// each item; `endLine` is the line after the text, where an unclosed block is reported.
// One pass over the items.
std::optional<MapTextFault> FindMapTextFault(const Items& items,
                                             const std::vector<std::size_t>& lines,
                                             MapTextLayout layout, std::size_t endLine);

}  // namespace vendrel
