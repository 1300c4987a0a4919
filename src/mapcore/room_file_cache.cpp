#include "room_file_cache.h"

#include <system_error>
#include <utility>


namespace vendrel {

void RoomFileCache::ReadAhead(std::vector<std::filesystem::path> files) {
  std::erase_if(files, [this](const std::filesystem::path& file) {
    return entries_.contains(file.native());
  });
  readAhead_.Start(std::move(files));
}

const RoomBody& RoomFileCache::Read(const std::filesystem::path& file) {
  const std::string& key = file.native();
  if (std::optional<StampedRoomBody> ahead = readAhead_.Take(key)) {
    entries_.insert_or_assign(key, *std::move(ahead));
  }
  // Looked at before reading: a change while reading shows at the next cell.
  std::error_code sizeError, timeError;
  const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
  const auto modified = std::filesystem::last_write_time(file, timeError);
  const bool known = !sizeError && !timeError;
  if (const auto found = entries_.find(key);
      known && found != entries_.end() && found->second.size == size &&
      found->second.modified == modified) {
    return found->second.body;
  }
  entries_.erase(key);
  StampedRoomBody read{size, modified, ReadPackedRoomBody(file)};
  // A file that cannot be looked at is read each time, so each time says why it fails.
  if (!known) {
    uncached_ = std::move(read.body);
    return uncached_;
  }
  return entries_.insert_or_assign(key, std::move(read)).first->second.body;
}

}  // namespace vendrel
