#pragma once

#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "room_body.h"

namespace vendrel {

// Reads room files on a thread of its own, in the order given, so the files of a level are
// read and checked while the rooms before them are prepared. It only reads: whoever takes
// a body still compares the file's size and time, and a file it could not read is read
// again by the taker, who reports why.
class RoomReadAhead {
 public:
  RoomReadAhead() = default;
  RoomReadAhead(const RoomReadAhead&) = delete;
  RoomReadAhead& operator=(const RoomReadAhead&) = delete;
  ~RoomReadAhead();

  // Ends any earlier reading, then starts on `files`.
  void Start(std::vector<std::filesystem::path> files);
  // The body read of the file with this path text, waiting while it is being read; nothing
  // for a file not given, one that could not be read, or one already taken.
  std::optional<StampedRoomBody> Take(const std::string& file);
  // Stops after the file at hand and forgets what was not taken.
  void Stop();

 private:
  struct Slot {
    std::filesystem::path file;
    bool done = false;
    std::optional<StampedRoomBody> read;
  };

  void Work();

  std::mutex mutex_;
  std::condition_variable finished_;
  std::vector<Slot> slots_;
  std::unordered_map<std::string, std::size_t> slotOf_;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace vendrel
