#include "spawn_entity.h"

namespace vendrel {

void AppendEntity(Items& room, std::string_view className, const KeyValues& pairs) {
  room.emplace_back("entity");
  room.emplace_back("{");
  room.emplace_back("id");
  room.emplace_back(kInsertIdHere);
  room.emplace_back("classname");
  room.emplace_back(className);
  for (const auto& [key, value] : pairs) {
    room.push_back(key);
    room.push_back(value);
  }
  room.emplace_back("}");
}

}  // namespace vendrel
