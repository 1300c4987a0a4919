#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "room_text.h"

namespace vendrel {

// The names of the room being prepared: each authored name, in lower case, with the new
// name it was given. One list per room, so names of different rooms never meet.
struct NameList {
  std::unordered_map<std::string, std::string> newNames;
};

// Keys whose values name entities: those beginning with "node" (exactly), and a fixed
// list compared in any case.
bool IsNameKey(std::string_view key);

// The new name for `theName` (compared in any case), registered under the next value of
// the level's name counter when it is new. Names beginning with "!" are the game's own
// targets (!activator, !self, ...): they come back as they are and are never registered.
std::string CheckNameList(NameList& names, long long& nameCounter, std::string_view theName);

// Empties the list; the name counter runs on.
void ClearNameList(NameList& names);

// Gives every name value, and the target field of every output connection, its new name.
// A value slot that spells a name key is itself taken as a key. `yield` runs at each step
// of a connections block so the front end stays responsive.
void NameFixer(Items& items, NameList& names, long long& nameCounter,
               const std::function<void()>& yield = {});

}  // namespace vendrel
