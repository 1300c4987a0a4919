#pragma once

#include "map_items.h"

namespace vendrel::roomkit {

// The map compiler's rules for brushes: each convex, closed and of some volume. Throws
// RoomFault naming the first brush that breaks one, and its line.
void CheckRoomBrushes(const MapItems& map);

}  // namespace vendrel::roomkit
