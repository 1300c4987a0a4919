#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "map_items.h"

namespace vendrel::roomkit {

// The value item after the key at `keyIndex`, or the empty text when the map ends there.
const std::string& ValueAfter(const MapItems& map, std::size_t keyIndex);
// The line of the value after the key at `keyIndex` (the key's own line at the end).
std::size_t ValueLine(const MapItems& map, std::size_t keyIndex);

// A "size" or "direction" value: a whole number from 0 to 255. Throws RoomFault naming
// the key, the value and its line otherwise.
int ByteValue(std::string_view key, std::string_view value, std::size_t line);
// A "roomgenre" value: a whole number. Throws RoomFault otherwise.
long long WholeValue(std::string_view key, std::string_view value, std::size_t line);

}  // namespace vendrel::roomkit
