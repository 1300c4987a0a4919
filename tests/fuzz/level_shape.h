#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "room_text.h"

namespace vendrel::fuzz {

// A room body every level can take: its blocks balance, the world ends exactly once at the
// outermost depth (a body of empty items prints nothing), and no item holds a line break,
// a NUL or a double quote.
inline std::string RoomBodyFault(const Items& body) {
  long depth = 0;
  int worldEnds = 0;
  bool printsRows = false;
  for (const std::string& item : body) {
    if (item.find_first_of(std::string_view("\r\n\0\"", 4)) != std::string::npos) {
      return "an item holds a line break, a NUL or a double quote";
    }
    printsRows = printsRows || !item.empty();
    if (item == "{") ++depth;
    if (item == "}" && --depth < 0) return "a block closes that never opened";
    if (item == kWorldEndMarker) {
      if (depth != 0) return "the world ends inside a block";
      ++worldEnds;
    }
  }
  if (depth != 0) return "a block is left open";
  if (printsRows && worldEnds != 1) return worldEnds == 0 ? "the world never ends" : "the world ends twice";
  return {};
}

// Rows of a level as written: every "{" row is closed by a "}" row.
inline std::string LevelRowsFault(const std::vector<std::string>& rows) {
  long depth = 0;
  for (const std::string& row : rows) {
    const auto first = row.find_first_not_of("\t ");
    const std::string_view text = first == std::string::npos ? "" : std::string_view(row).substr(first);
    if (text == "{") ++depth;
    if (text == "}" && --depth < 0) return "a block closes that never opened";
  }
  return depth == 0 ? std::string() : "a block is left open";
}

}  // namespace vendrel::fuzz
