#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "room_text.h"

namespace vendrel {

// Stands where a generated entity's identifier goes until the room is renumbered.
inline constexpr std::string_view kInsertIdHere = "Insert ID Here";

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// Appends entity, {, id, kInsertIdHere, classname, the class, the pairs in order, }.
void AppendEntity(Items& room, std::string_view className, const KeyValues& pairs);

}  // namespace vendrel
