#pragma once

#include <string_view>

#include "room_table.h"

namespace vendrel::generator_ui {

// The room manager's caption of a room type cell: "1 (One way part)" to "7 (Game End)",
// "(This room is blocked)", or "<unknown> (Not Supported)".
std::string_view RoomTypeCaption(const RoomCell& typeCell);

}  // namespace vendrel::generator_ui
