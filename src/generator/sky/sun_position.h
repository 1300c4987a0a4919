#pragma once

#include <string>

#include "random_source.h"
#include "run_options.h"

namespace vendrel {

// What the time of day settings yield, for the sky choice and the level's light;
// CalcSunAngle fills it.
struct SunValues {
  float dayHour = 0;
  float sunElevation = 0;    // degrees above the horizon, -90 to 90
  float sunAzimuth = 0;      // degrees, 0 to below 360
  float moonLight = 0;       // 0, 0.25, 0.5, 0.75 or 1
  int moonImage = 0;         // the moon phase picture, 1 to 5
  double sunAngle = 0;       // the elevation to one decimal, as the window shows it
  std::string sunAngleText;  // the same with a point and a degree sign
};

// The sun and moon from the clock, moon, season and latitude settings.
SunValues CalcSunAngle(const RunOptions& options);

// The clock box: whole hours, then ":00" or ":30".
std::string BigTimerText(int clockBar);

// The latitude of a press at height y (twips) on the world map, 915 twips from 90 north
// to 50 south.
int LatitudeFromPictureY(double y);

// "Randomize Time": draws the clock, the moon, the latitude and the season.
void RandomizeTime(RandomSource& random, RunOptions& options);

}  // namespace vendrel
