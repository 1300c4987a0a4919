#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vendrel {

// A room as a flat list of map items: block names, braces, keys and values, one each.
// An empty item stands for nothing: removed entities are blanked item by item and every
// pass and the printer skip them.
using Items = std::vector<std::string>;

// Separates the room's brushes from its entities, in room files and in room text.
inline constexpr std::string_view kWorldEndMarker = "/\\/worldend\\/\\";
// Ends a room file's body.
inline constexpr std::string_view kEndOfRoomMarker = "/\\/EOF\\/\\";

}  // namespace vendrel
