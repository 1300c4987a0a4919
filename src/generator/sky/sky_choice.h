#pragma once

#include <string>

#include "random_source.h"
#include "sun_position.h"

namespace vendrel {

// The level's sky from the sun: night and low-sun skies by rule, one of four day skies
// drawn at random when the sun stands 15 degrees or more above the horizon.
std::string ChooseSky(const SunValues& sun, RandomSource& random);

}  // namespace vendrel
