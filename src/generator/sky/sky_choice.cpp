#include "sky_choice.h"

namespace vendrel {

std::string ChooseSky(const SunValues& sun, RandomSource& random) {
  const float elevation = sun.sunElevation;
  if (elevation < 0) return "sky_day01_09";
  if (elevation < 15) return sun.dayHour < 12 ? "sky_day01_06" : "sky_day01_08";
  random.Randa();
  const double r = random.Draw();
  if (r < 0.25) return "sky_day02_04";
  if (r < 0.5) return "sky_day02_07";
  if (r < 0.75) return "sky_day03_04";
  return "sky_day03_05";
}

}  // namespace vendrel
