#include "room_printer.h"

#include <string>

namespace vendrel {

void PrintRoom(const Items& worldInserts, const Items& room, LevelWriter& writer,
               Items& entityLines) {
  const std::size_t insertCount = worldInserts.size();
  const std::size_t total = insertCount + room.size();
  auto at = [&](std::size_t i) -> const std::string& {
    return i < insertCount ? worldInserts[i] : room[i - insertCount];
  };
  static const std::string kNone;

  int depth = 2;
  bool openPending = false;
  bool entityMode = false;
  // World rows go straight into the writer; entity rows wait for the world's end.
  auto row = [&](std::string_view text) {
    if (entityMode) {
      entityLines.emplace_back(text);
    } else {
      writer.PrintFinishedRow(text, depth);
    }
  };
  for (std::size_t i = 0; i < total; ++i) {
    if (openPending) {
      openPending = false;
      ++depth;
    }
    const std::string& item = at(i);
    if (item.empty()) continue;
    if (item == "}") {
      --depth;
      row(item);
    } else if (item == "{") {
      openPending = true;
      row(item);
    } else if (item == kWorldEndMarker) {
      entityMode = true;
    } else {
      const std::string& next = i + 1 < total ? at(i + 1) : kNone;
      if (next == "{") {
        row(item);
      } else {
        if (entityMode) {
          entityLines.push_back(KeyValueRow(item, next));
        } else {
          writer.PrintKeyValueRow(item, next, depth);
        }
        ++i;
      }
    }
  }
}

}  // namespace vendrel
