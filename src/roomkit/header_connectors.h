#pragma once

#include "map_items.h"
#include "room_file.h"

namespace vendrel::roomkit {

// The second pass, over the turned room: each quilla_connector of direction 0 to 3 sets
// that direction's group to its turned origin and its size. Throws RoomFault for a
// "size" or "direction" value that cannot be read.
void ReadTurnedConnectors(const MapItems& room, RoomHeader& header);

// Moves the header's connector groups round the sides without turning their
// coordinates: the group of direction d goes to d + rotations (modulo 4).
void RotateConnections(RoomHeader& header, int rotations);

}  // namespace vendrel::roomkit
