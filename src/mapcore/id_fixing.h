#pragma once

#include "room_text.h"

namespace vendrel {

// Gives every "id" value the next number of the counter, in item order, and advances the
// counter. Only a key is taken for one: a value that is exactly "id" stays a value, so the
// item after it (a brace, the next key) is never overwritten. The counter is not bounded
// by the game's 16-bit range: a level may need more identifiers.
void FixIDs(Items& items, long long& startId);

}  // namespace vendrel
