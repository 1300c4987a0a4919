#include "sky_choice.h"

#include <gtest/gtest.h>

#include "param_name.h"
#include "scripted_random.h"

namespace vendrel {
namespace {

struct SkyCase {
  const char* name;
  float elevation, dayHour;
  std::deque<double> draws;
  const char* sky;
};

class ChooseSkyCases : public ::testing::TestWithParam<SkyCase> {};

TEST_P(ChooseSkyCases, ChoosesByRuleOrByDraw) {
  const SkyCase& c = GetParam();
  testing::ScriptedRandom random(c.draws);
  SunValues sun;
  sun.sunElevation = c.elevation;
  sun.dayHour = c.dayHour;
  EXPECT_EQ(ChooseSky(sun, random), c.sky);
  EXPECT_TRUE(random.draws.empty());
  EXPECT_EQ(random.randaCalls, c.draws.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseSkyCases,
    ::testing::Values(SkyCase{"NightAtNoon", -1, 12, {}, "sky_day01_09"},
                      SkyCase{"NightInTheMorning", -0.01f, 8, {}, "sky_day01_09"},
                      SkyCase{"LowSunBeforeNoon", 14.9f, 11.5f, {}, "sky_day01_06"},
                      SkyCase{"LowSunFromNoon", 14.9f, 12, {}, "sky_day01_08"},
                      SkyCase{"HorizonAtNoon", 0, 12, {}, "sky_day01_08"},
                      SkyCase{"DayFirstQuarter", 15, 12, {0.2499}, "sky_day02_04"},
                      SkyCase{"DaySecondQuarter", 15, 9, {0.25}, "sky_day02_07"},
                      SkyCase{"DayThirdQuarter", 60, 14, {0.5}, "sky_day03_04"},
                      SkyCase{"DayLastQuarter", 60, 14, {0.75}, "sky_day03_05"}),
    testing::ParamName());

TEST(ChooseSky, PoleInAutumnFollowsTheHalfHour) {
  testing::ScriptedRandom random;
  RunOptions options;
  options.latitude = 90;
  options.season = 1;
  options.clockBar = 24;
  EXPECT_EQ(ChooseSky(CalcSunAngle(options), random), "sky_day01_08");
  options.clockBar = 23;
  EXPECT_EQ(ChooseSky(CalcSunAngle(options), random), "sky_day01_06");
}

}  // namespace
}  // namespace vendrel
