#pragma once

#include <string>
#include <string_view>

#include "room_text.h"
#include "sun_position.h"

namespace vendrel {

struct SunColour {
  int red = 0, green = 0, blue = 0;
};

// Reddish and dim near the horizon, white from 35 degrees up.
SunColour SunColourAt(double elevation);

// The negated elevation and the azimuth, each rounded halves to even, then 0.
std::string SunAnglesText(double elevation, double azimuth);

// Appends the level's light_environment and env_sun at the player start's origin: from
// the sun by day, a fixed dim setting from the moon at night or when lights are skipped.
void AppendLightAndSun(Items& room, const SunValues& sun, bool skipLights,
                       std::string_view origin);

}  // namespace vendrel
