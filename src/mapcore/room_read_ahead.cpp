#include "room_read_ahead.h"

#include <system_error>
#include <utility>

namespace vendrel {

RoomReadAhead::~RoomReadAhead() { Stop(); }

void RoomReadAhead::Start(std::vector<std::filesystem::path> files) {
  Stop();
  std::lock_guard lock(mutex_);
  for (std::filesystem::path& file : files) {
    if (slotOf_.emplace(file.native(), slots_.size()).second) slots_.push_back({std::move(file), false, std::nullopt});
  }
  if (slots_.empty()) return;
  try {
    worker_ = std::thread(&RoomReadAhead::Work, this);
  } catch (const std::system_error&) {
    // No thread to be had: every file is read when it is needed, as without read-ahead.
    slots_.clear();
    slotOf_.clear();
  }
}

void RoomReadAhead::Work() {
  for (std::size_t i = 0;; ++i) {
    std::filesystem::path file;
    {
      std::lock_guard lock(mutex_);
      if (stopping_ || i == slots_.size()) return;
      file = slots_[i].file;
    }
    std::optional<StampedRoomBody> read = ReadStampedRoomBody(file);
    {
      std::lock_guard lock(mutex_);
      slots_[i].read = std::move(read);
      slots_[i].done = true;
    }
    finished_.notify_all();
  }
}

std::optional<StampedRoomBody> RoomReadAhead::Take(const std::string& file) {
  std::unique_lock lock(mutex_);
  const auto found = slotOf_.find(file);
  if (found == slotOf_.end()) return std::nullopt;
  Slot& slot = slots_[found->second];
  slotOf_.erase(found);
  finished_.wait(lock, [&slot] { return slot.done; });
  return std::move(slot.read);
}

void RoomReadAhead::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  if (worker_.joinable()) worker_.join();
  std::lock_guard lock(mutex_);
  stopping_ = false;
  slots_.clear();
  slotOf_.clear();
}

}  // namespace vendrel
