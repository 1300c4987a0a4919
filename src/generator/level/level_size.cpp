#include "level_size.h"

#include <cmath>

namespace vendrel {

int RoomsPerLevelFor(int mapSize, double r) {
  const double factor = r / 2 - 0.25 + 1;
  return static_cast<int>(std::nearbyint(mapSize * factor));
}

int DrawRoomsPerLevel(RandomSource& random, int mapSize) {
  random.Randa();
  return RoomsPerLevelFor(mapSize, random.Draw());
}

}  // namespace vendrel
