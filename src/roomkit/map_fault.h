#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host.h"

namespace vendrel::roomkit {

// A rule the room breaks; ends the deployment with nothing written.
class RoomFault : public std::runtime_error {
 public:
  explicit RoomFault(const std::string& wrong) : std::runtime_error(wrong) {}
};

// Tells the designer what is wrong with the room: the two boxes and the error status. The
// first box names the map in front of what is wrong, unless that names it already.
void MapFault(Host& host, const std::filesystem::path& mapFile, std::string_view wrong);

}  // namespace vendrel::roomkit
