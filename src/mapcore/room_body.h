#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
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

// A body with the size and modification time its file had just before it was read.
struct StampedRoomBody {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  RoomBody body;
};

// The body of a room file, packed; throws what ReadRoomBody throws.
RoomBody ReadPackedRoomBody(const std::filesystem::path& file);

// The file's size and time, then its body; nothing when either cannot be had.
std::optional<StampedRoomBody> ReadStampedRoomBody(const std::filesystem::path& file);

}  // namespace vendrel
