#pragma once

#include "level_writer.h"
#include "room_text.h"

namespace vendrel {

// Prints the world inserts and then the room: everything before the world end marker
// into the working map file (from indent 2, following the braces), everything after it
// appended to the level's entity rows. A non-brace item whose successor is not "{" is a
// key and pairs with that successor, whatever it is.
void PrintRoom(const Items& worldInserts, const Items& room, LevelWriter& writer,
               Items& entityLines);

}  // namespace vendrel
