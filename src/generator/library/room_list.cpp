#include "room_list.h"

#include "path_text.h"

namespace vendrel {

RoomListView RefreshRoomList(const RoomTable& table, int rememberedSelection) {
  RoomListView view;
  view.names.reserve(table.RoomCount());
  for (const RoomRow& row : table.rows) view.names.push_back(ToRight(row[kPathColumn].text).text);
  const int last = static_cast<int>(view.names.size()) - 1;
  view.selected = rememberedSelection > last ? last : rememberedSelection;
  view.roomButtonsEnabled = !view.names.empty();
  return view;
}


}  // namespace vendrel
