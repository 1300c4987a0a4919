#pragma once

#include "room_text.h"

namespace vendrel {

// Blanks every placeholder entity of the room, and with `skipLights` every "light" and
// "light_dynamic" too, from its "entity" item to its closing brace, nested blocks
// included. Class names compare exactly; an entity without a "classname" key is judged
// by the class of the entity before it.
void ClearRands(Items& room, bool skipLights);

// Drops everything before the first "solid" item (the version, visibility and view
// blocks and the world's own keys), leaving nothing when there is no "solid".
void RemoveNoNWorld(Items& items);

}  // namespace vendrel
