#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "room_body.h"
#include "room_read_ahead.h"

namespace vendrel {

// The room bodies of one run: each file is read and checked once however many cells use
// it, and read again only when its size or modification time changes, so a room saved
// during the run is still read afresh.
class RoomFileCache {
 public:
  // Reads the files not yet held on a thread of its own while the run goes on; Read
  // takes what it read.
  void ReadAhead(std::vector<std::filesystem::path> files);
  // As ReadRoomBody(file); throws what it throws, and keeps nothing of the file then.
  const RoomBody& Read(const std::filesystem::path& file);

 private:
  // Keyed by the path's text: comparing paths part by part costs more than reading a cell.
  std::unordered_map<std::string, StampedRoomBody> entries_;
  RoomBody uncached_;  // the last body read from a file whose identity could not be seen
  RoomReadAhead readAhead_;  // last, so it stops before the rest goes
};

}  // namespace vendrel
