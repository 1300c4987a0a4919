#pragma once

#include <array>
#include <cstddef>

#include "host.h"
#include "kit_display.h"
#include "map_items.h"
#include "room_file.h"

namespace vendrel::roomkit {

// What the first pass over a designer's map found.
struct RoomScan {
  std::size_t connectors = 0, solids = 0, entities = 0, sides = 0;
  bool roomInfoSeen = false, playerStartSeen = false, lightSeen = false, weaponSeen = false;
  // Directions 0 to 3, and 4, which a connector may name but which has no group.
  std::array<bool, 5> directionUsed{};
  // Name, genre and type from the quilla_info; the connector groups as authored.
  RoomHeader header;
};

// Scans every item once, in order, reporting progress. Shows the room name when the
// quilla_info closes. Throws RoomFault for the rules checked at an entity's close and
// for "size", "direction" and "roomgenre" values that cannot be read.
RoomScan ScanRoom(const MapItems& map, Host& host, KitDisplay& display);

}  // namespace vendrel::roomkit
