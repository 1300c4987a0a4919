#pragma once

#include "room_text.h"

namespace vendrel {

// Gives every "id" value the next number of the counter, in item order, and advances the
// counter. A value slot that is exactly "id" is itself taken as the key. The counter is
// not bounded by the game's 16-bit range: a level may need more identifiers.
void FixIDs(Items& items, long long& startId);

}  // namespace vendrel
