#pragma once

#include <filesystem>
#include <string>

namespace vendrel {

// A room file that no run will choose, or an empty one the scan deleted, and why: what
// the front ends show the user before a run and in the room manager.
struct LeftOutRoom {
  std::filesystem::path file;
  std::string reason;
};

// The report's line for one room: "Room file <path> left out: <reason>."
std::string LeftOutRoomLine(const LeftOutRoom& room);

}  // namespace vendrel
