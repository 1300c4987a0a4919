#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "room_table.h"

namespace vendrel {

// What the room manager's list shows after a refresh.
struct RoomListView {
  std::vector<std::string> names;  // the room files' names, in table order
  int selected = -1;               // -1: nothing selected
  bool roomButtonsEnabled = false;  // "Test This Room", "Delete This Room" and the two pictures
};

// The list from the table, keeping the remembered selection where the list still reaches
// it and otherwise selecting the last entry.
RoomListView RefreshRoomList(const RoomTable& table, int rememberedSelection);

}  // namespace vendrel
