#include "id_fixing.h"

#include <string>

#include "key_value_walk.h"

namespace vendrel {

void FixIDs(Items& items, long long& startId) {
  ForEachKey(items, [&](std::size_t key) {
    if (items[key] == "id") items[key + 1] = std::to_string(startId++);
    return true;
  });
}

}  // namespace vendrel
