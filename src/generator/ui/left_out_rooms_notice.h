#pragma once

#include <filesystem>
#include <set>
#include <vector>

#include "host.h"
#include "left_out_rooms.h"

namespace vendrel::generator_ui {

// Tells the player before a run which room files it will go without: the first few, each
// with why, and how many more there are. Told at every run, the box would stop the
// automatic restart after its countdown; so it comes up again only once the left-out files
// are others than those told of last.
class LeftOutRoomsNotice {
 public:
  void BeforeRun(Host& host, const std::vector<LeftOutRoom>& leftOut);

 private:
  std::set<std::filesystem::path> told_;
};

}  // namespace vendrel::generator_ui
