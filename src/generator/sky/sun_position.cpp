#include "sun_position.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace vendrel {
namespace {

constexpr double kSeasonTilt = 23.5;
constexpr double kPictureHeight = 915;  // twips from 90 north to 50 south
constexpr int kSummer = 0;
constexpr int kWinter = 2;

// Folds an angle that passed a pole back into -90 to 90.
double FoldElevation(double e) {
  if (e > 90) e = 90 - (e - 90);
  if (e < -90) e = -90 - (e + 90);
  return e;
}

}  // namespace

SunValues CalcSunAngle(const RunOptions& options) {
  SunValues sun;
  sun.dayHour = static_cast<float>(options.clockBar * 0.5);

  const int latitude = options.latitude;
  double e = 90 - latitude;
  if (e > 90) e = 90 - (e - 90);
  const double t = options.clockBar / 48.0 * 6.283 - 1.6;
  e *= std::sin(t);
  // A latitude of exactly 0 counts as southern.
  if (options.season == kSummer) e += latitude > 0 ? kSeasonTilt : -kSeasonTilt;
  if (options.season == kWinter) e += latitude > 0 ? -kSeasonTilt : kSeasonTilt;
  sun.sunElevation = static_cast<float>(FoldElevation(e));
  // nearbyint rounds halves to the even neighbour.
  sun.sunAngle = std::nearbyint(sun.sunElevation * 10.0) / 10;
  sun.sunAngleText = FormatNumber(sun.sunAngle) + "\u00B0";

  double a = options.clockBar / 48.0 * 360;
  if (latitude < 0) a = 360 - a;
  a -= 360;
  if (a < 0) a += 360;
  sun.sunAzimuth = static_cast<float>(a);

  const int moon = std::clamp(options.moonBar, 1, 5);
  sun.moonLight = static_cast<float>((moon - 1) * 0.25);
  sun.moonImage = moon == 5 ? 1 : moon + 1;
  return sun;
}

std::string BigTimerText(int clockBar) {
  return std::to_string(clockBar / 2) + (clockBar % 2 == 0 ? ":00" : ":30");
}

int LatitudeFromPictureY(double y) {
  const double latitude = std::nearbyint((1 - y / kPictureHeight) * 140 - 50);
  // Latitudes are 16-bit: a press far off the map must not overflow the conversion.
  return static_cast<int>(std::clamp(latitude, -32768.0, 32767.0));
}

void RandomizeTime(RandomSource& random, RunOptions& options) {
  random.Randa();
  options.clockBar = static_cast<int>(random.Draw() * 49);
  options.moonBar = static_cast<int>(random.Draw() * 5) + 1;
  // The press may fall below the map; the latitude stays within the map's range.
  const RangeSetting& latitude = LatitudeSetting();
  options.latitude =
      std::clamp(LatitudeFromPictureY(random.Draw() * 976), latitude.min, latitude.max);
  options.season = static_cast<int>(random.Draw() * 4);
}

}  // namespace vendrel
