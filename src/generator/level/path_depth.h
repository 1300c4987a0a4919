#pragma once

#include <vector>

#include "level_plan.h"

namespace vendrel {

// The depth of every cell along the level's path, normalised so that the game end room
// (the first cell of type 6) lies at 1; without one, the last cell does. totalRooms is
// the run's total of drawn rooms. Element k - 1 belongs to cell k. Depths are single
// precision, each step rounded as it is stored, so they compare with the weapon and
// monster depths exactly as the generator always did.
std::vector<float> PathDepths(const LevelPlan& level, int totalRooms);

}  // namespace vendrel
