#pragma once

#include "room_table.h"

namespace vendrel::cli {

// One warning line on stderr for every room the scan left out or deleted.
void PrintLeftOutRooms(const RoomTable& table);

}  // namespace vendrel::cli
