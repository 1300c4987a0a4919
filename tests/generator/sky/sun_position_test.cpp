#include "sun_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "param_name.h"
#include "scripted_random.h"

namespace vendrel {
namespace {

struct SunCase {
  const char* name;
  int clockBar, season, latitude;
  double elevation, azimuth;
  const char* angleText;
};

class CalcSunAngleCases : public ::testing::TestWithParam<SunCase> {};

TEST_P(CalcSunAngleCases, GivesElevationAzimuthAndText) {
  const SunCase& c = GetParam();
  RunOptions options;
  options.clockBar = c.clockBar;
  options.season = c.season;
  options.latitude = c.latitude;
  const SunValues sun = CalcSunAngle(options);
  EXPECT_NEAR(sun.sunElevation, c.elevation, 1e-3);
  EXPECT_NEAR(sun.sunAzimuth, c.azimuth, 1e-4);
  EXPECT_EQ(sun.sunAngleText, std::string(c.angleText) + "\u00B0");
  EXPECT_EQ(sun.dayHour, c.clockBar * 0.5f);
}

const double kNoonSine = std::sin(24 / 48.0 * 6.283 - 1.6);

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcSunAngleCases,
    ::testing::Values(
        SunCase{"PoleAtNoonInAutumn", 24, 1, 90, 0, 180, "0"},
        SunCase{"FortyNorthSummerNoon", 24, 0, 40, 50 * kNoonSine + 23.5, 180, "73.5"},
        SunCase{"EquatorSummerSubtracts", 24, 0, 0, 90 * kNoonSine - 23.5, 180, "66.5"},
        SunCase{"EquatorWinterAddsAndFolds", 24, 2, 0, 90 - (90 * kNoonSine + 23.5 - 90), 180,
                "66.5"},
        SunCase{"SouthWinterAdds", 24, 2, -30, 60 * kNoonSine + 23.5, 180, "83.5"},
        SunCase{"SouthSpringNoon", 24, 3, -30, 60 * kNoonSine, 180, "60"},
        SunCase{"Midnight", 0, 3, 0, 90 * std::sin(-1.6), 0, "-90"},
        SunCase{"EndOfDayWraps", 48, 3, 10, 80 * std::sin(6.283 - 1.6), 0, "-80"},
        SunCase{"SouthMorning", 12, 3, -10, 80 * std::sin(12 / 48.0 * 6.283 - 1.6), 270, "-2.3"},
        SunCase{"NorthMorning", 12, 3, 10, 80 * std::sin(12 / 48.0 * 6.283 - 1.6), 90, "-2.3"}),
    testing::ParamName());

TEST(CalcSunAngle, MoonStepsGiveLightAndImage) {
  const float light[] = {0, 0.25f, 0.5f, 0.75f, 1};
  const int image[] = {2, 3, 4, 5, 1};
  for (int moon = 1; moon <= 5; ++moon) {
    RunOptions options;
    options.moonBar = moon;
    const SunValues sun = CalcSunAngle(options);
    EXPECT_EQ(sun.moonLight, light[moon - 1]) << moon;
    EXPECT_EQ(sun.moonImage, image[moon - 1]) << moon;
  }
}

TEST(BigTimerText, ShowsHalfHours) {
  EXPECT_EQ(BigTimerText(25), "12:30");
  EXPECT_EQ(BigTimerText(24), "12:00");
  EXPECT_EQ(BigTimerText(0), "0:00");
  EXPECT_EQ(BigTimerText(1), "0:30");
  EXPECT_EQ(BigTimerText(48), "24:00");
}

TEST(LatitudeFromPictureY, SpansNinetyNorthToFiftySouth) {
  EXPECT_EQ(LatitudeFromPictureY(0), 90);
  EXPECT_EQ(LatitudeFromPictureY(915), -50);
  EXPECT_EQ(LatitudeFromPictureY(392), 30);
  // These presses give exactly 86.5 and 79.5: halves go to the even side.
  EXPECT_EQ(LatitudeFromPictureY(22.875), 86);
  EXPECT_EQ(LatitudeFromPictureY(68.625), 80);
}

TEST(RandomizeTime, DrawsClockMoonLatitudeAndSeasonAfterOneReseed) {
  testing::ScriptedRandom random({0.999, 0.0, 0.0, 0.75});
  RunOptions options;
  RandomizeTime(random, options);
  EXPECT_EQ(random.randaCalls, 1);
  EXPECT_EQ(options.clockBar, 48);
  EXPECT_EQ(options.moonBar, 1);
  EXPECT_EQ(options.latitude, 90);
  EXPECT_EQ(options.season, 3);

  random.draws = {0.0, 0.999, 0.5, 0.0};
  RandomizeTime(random, options);
  EXPECT_EQ(options.clockBar, 0);
  EXPECT_EQ(options.moonBar, 5);
  EXPECT_EQ(options.latitude, LatitudeFromPictureY(0.5 * 976));
  EXPECT_EQ(options.season, 0);
}

TEST(RandomizeTime, PressBelowTheMapStaysOnItsSouthEdge) {
  testing::ScriptedRandom random({0.5, 0.5, 0.999, 0.5});
  RunOptions options;
  RandomizeTime(random, options);
  EXPECT_EQ(options.latitude, -50);
}

}  // namespace
}  // namespace vendrel
