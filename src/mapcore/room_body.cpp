#include "room_body.h"

#include <system_error>
#include <utility>

#include "room_file.h"

namespace vendrel {

RoomBody::RoomBody(const Items& items, std::vector<std::size_t> lines) : lines_(std::move(lines)) {
  std::size_t bytes = 0;
  for (const std::string& item : items) bytes += item.size();
  text_.reserve(bytes);
  ends_.reserve(items.size());
  for (const std::string& item : items) {
    text_ += item;
    ends_.push_back(text_.size());
  }
}

void RoomBody::CopyItemsTo(Items& items) const {
  items.resize(ends_.size());
  std::size_t start = 0;
  for (std::size_t i = 0; i < ends_.size(); ++i) {
    items[i].assign(text_, start, ends_[i] - start);
    start = ends_[i];
  }
}

Items RoomBody::ItemsCopy() const {
  Items items;
  CopyItemsTo(items);
  return items;
}

RoomBody ReadPackedRoomBody(const std::filesystem::path& file) {
  std::vector<std::size_t> lines;
  const Items items = ReadRoomBody(file, lines);
  return RoomBody(items, std::move(lines));
}

std::optional<StampedRoomBody> ReadStampedRoomBody(const std::filesystem::path& file) {
  std::error_code sizeError, timeError;
  const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
  const auto modified = std::filesystem::last_write_time(file, timeError);
  if (sizeError || timeError) return std::nullopt;
  try {
    return StampedRoomBody{size, modified, ReadPackedRoomBody(file)};
  } catch (...) {
    // Whoever needs the file reads it again and says what is wrong with it.
    return std::nullopt;
  }
}

}  // namespace vendrel
