#pragma once

#include <string_view>

#include "entity_record.h"
#include "random_source.h"
#include "room_text.h"
#include "share_list.h"

namespace vendrel {

inline constexpr std::string_view kSpawnGroupClass = "func_quilla_spawngroup";

// A spawn controller's draw: one of its named alternatives by their shares, or nothing
// by its no-spawn share; places the one drawn and empties the controller's fields.
// Throws RoomValueError, pointing at the value, for a share that is not a number.
void DrawSpawnGroup(RandomSource& random, ShareList& shareList, EntityRecord& record,
                    Items& room, Items& worldInserts);

// Places the first entity of the room named targetName: a spawn group's solid blocks go
// to the world inserts, any other entity is appended whole to the end of the room, where
// the room's renaming and renumbering reach it. Only whole, balanced blocks are copied; a
// name no entity bears places nothing.
void Print_Entity_To_World(Items& room, Items& worldInserts, std::string_view targetName);

}  // namespace vendrel
