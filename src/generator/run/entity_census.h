#pragma once

#include <map>
#include <string>

#include "room_text.h"

namespace vendrel {

// How many entities of each class a level's entity rows hold.
std::map<std::string, int> CountEntityClasses(const Items& entityRows);

}  // namespace vendrel
