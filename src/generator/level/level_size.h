#pragma once

#include "random_source.h"

namespace vendrel {

// The rooms of a level for a draw r: the nominal size times a factor from 0.75 to below
// 1.25, rounded to the nearest whole number (halves to even).
int RoomsPerLevelFor(int mapSize, double r);

// One Randa, one draw, and the rooms of the level for it.
int DrawRoomsPerLevel(RandomSource& random, int mapSize);

}  // namespace vendrel
