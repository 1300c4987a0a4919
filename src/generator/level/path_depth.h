#pragma once

#include <vector>

#include "level_plan.h"

namespace vendrel {

// The depth of every cell along the level's path, normalised so that the game end room
// (the first cell of type 6) lies at 1; without one, the last cell does. totalRooms is
// the run's total of drawn rooms. Element k - 1 belongs to cell k.
std::vector<double> PathDepths(const LevelPlan& level, int totalRooms);

}  // namespace vendrel
