#pragma once

#include <optional>

#include "room_text.h"
#include "room_translation.h"

namespace vendrel {

// Turns the room by `rotations` quarter turns (none for 0 or less) and then moves it by
// `offset` when one is given, in one walk over its items: each value is turned and moved
// where it stands. The result is, byte for byte, what one walk a turn and then a walk for
// the move give: the same values, the same boundary errors, and on a value that cannot be
// used the same RoomValueError, the one the first of those walks to fail would throw.
TranslationResult TransformRoom(Items& room, int rotations, const std::optional<Vec3>& offset);

}  // namespace vendrel
