#include "id_fixing.h"

#include <string>

namespace vendrel {

void FixIDs(Items& items, long long& startId) {
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    if (items[i] != "id") continue;
    ++i;
    items[i] = std::to_string(startId);
    ++startId;
  }
}

}  // namespace vendrel
