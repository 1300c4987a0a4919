#include "room_file_cache.h"

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

const RoomBody& RoomFileCache::Read(const std::filesystem::path& file) {
  // Looked at before reading: a change while reading shows at the next cell.
  std::error_code sizeError, timeError;
  const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
  const auto modified = std::filesystem::last_write_time(file, timeError);
  const bool known = !sizeError && !timeError;
  const std::string& key = file.native();
  if (const auto found = entries_.find(key);
      known && found != entries_.end() && found->second.size == size &&
      found->second.modified == modified) {
    return found->second.body;
  }
  entries_.erase(key);
  std::vector<std::size_t> lines;
  const Items items = ReadRoomBody(file, lines);
  Entry entry{size, modified, RoomBody(items, std::move(lines))};
  // A file that cannot be looked at is read each time, so each time says why it fails.
  if (!known) {
    uncached_ = std::move(entry.body);
    return uncached_;
  }
  return entries_.insert_or_assign(key, std::move(entry)).first->second.body;
}

}  // namespace vendrel
