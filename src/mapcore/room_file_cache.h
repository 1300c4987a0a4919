#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "room_text.h"

namespace vendrel {

// A room file's body items and the file line of each, kept packed: one text for all the
// items, so a library's rooms held through a run take about what their files take, not
// a string for every item.
class RoomBody {
 public:
  RoomBody() = default;
  RoomBody(const Items& items, std::vector<std::size_t> lines);

  // The items, written over `items` so its strings' buffers are reused.
  void CopyItemsTo(Items& items) const;
  Items ItemsCopy() const;
  const std::vector<std::size_t>& Lines() const { return lines_; }

 private:
  std::string text_;
  std::vector<std::size_t> ends_;  // where each item ends in text_
  std::vector<std::size_t> lines_;
};

// The room bodies of one run: each file is read and checked once however many cells use
// it, and read again only when its size or modification time changes, so a room saved
// during the run is still read afresh.
class RoomFileCache {
 public:
  // As ReadRoomBody(file); throws what it throws, and keeps nothing of the file then.
  const RoomBody& Read(const std::filesystem::path& file);

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    RoomBody body;
  };

  // Keyed by the path's text: comparing paths part by part costs more than reading a cell.
  std::unordered_map<std::string, Entry> entries_;
  RoomBody uncached_;  // the last body read from a file whose identity could not be seen
};

}  // namespace vendrel
