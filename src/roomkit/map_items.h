#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

#include "room_text.h"

namespace vendrel::roomkit {

// A designer's map as items, each with the line it stands on for the reports.
struct MapItems {
  Items items;
  std::vector<std::size_t> lines;

  // Drops everything before the first "solid" item (nothing is left without one).
  void KeepFromFirstSolid();
};

// Reads the map up to its "cameras" item, which is not kept. Throws RoomFault when the
// file cannot be read, holds no "cameras" item, gives a key without a name among its
// brushes and entities (the room file's rows would lose their pairing), or holds what
// would break a level (FindMapTextFault), naming the line.
MapItems ReadMapItems(const std::filesystem::path& mapFile);

}  // namespace vendrel::roomkit
