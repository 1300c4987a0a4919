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
  std::string line;
  for (std::size_t i = 0; i < total; ++i) {
    if (openPending) {
      openPending = false;
      ++depth;
    }
    const std::string& item = at(i);
    if (item.empty()) continue;
    // The row is built in one buffer for the whole room.
    line.clear();
    if (item == "}") {
      --depth;
      line += item;
    } else if (item == "{") {
      openPending = true;
      line += item;
    } else if (item == kWorldEndMarker) {
      entityMode = true;
      continue;
    } else {
      const std::string& next = i + 1 < total ? at(i + 1) : kNone;
      if (next == "{") {
        line += item;
      } else {
        AppendKeyValueRow(line, item, next);
        ++i;
      }
    }
    if (entityMode) {
      entityLines.push_back(line);
    } else {
      writer.PrintFinishedRow(line, depth);
    }
  }
}

}  // namespace vendrel
