#include "room_file_cache.h"

#include <system_error>

#include "room_file.h"

namespace vendrel {

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
  Entry entry{size, modified, {}};
  entry.body.items = ReadRoomBody(file, entry.body.lines);
  // A file that cannot be looked at is read each time, so each time says why it fails.
  if (!known) {
    uncached_ = std::move(entry.body);
    return uncached_;
  }
  return entries_.insert_or_assign(key, std::move(entry)).first->second.body;
}

}  // namespace vendrel
