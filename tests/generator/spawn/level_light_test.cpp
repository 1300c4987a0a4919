#include "level_light.h"

#include <gtest/gtest.h>

#include "number_text.h"
#include "param_name.h"

namespace vendrel {
namespace {

struct ColourCase {
  double elevation;
  int red, green, blue;
};

class SunColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(SunColours, FollowTheElevation) {
  const ColourCase& c = GetParam();
  const SunColour colour = SunColourAt(c.elevation);
  EXPECT_EQ(colour.red, c.red);
  EXPECT_EQ(colour.green, c.green);
  EXPECT_EQ(colour.blue, c.blue);
}

INSTANTIATE_TEST_SUITE_P(Cases, SunColours,
                         ::testing::Values(ColourCase{0, 64, 64, 0}, ColourCase{5, 159, 111, 0},
                                           ColourCase{9.99, 254, 159, 0},
                                           ColourCase{10, 255, 159, 72},
                                           ColourCase{20, 255, 255, 145},
                                           ColourCase{34.99, 255, 255, 254},
                                           ColourCase{35, 255, 255, 255},
                                           ColourCase{80, 255, 255, 255}),
                         [](const ::testing::TestParamInfo<ColourCase>& testCase) {
                           return "Elevation" + testing::NameFromText(FormatNumber(testCase.param.elevation));
                         });

TEST(SunAnglesText, RoundsHalvesToEven) {
  EXPECT_EQ(SunAnglesText(30.4, 201.5), "-30 202 0");
  EXPECT_EQ(SunAnglesText(2.5, 0.5), "-2 0 0");
  EXPECT_EQ(SunAnglesText(0.5, 359.5), "0 360 0");
  EXPECT_EQ(SunAnglesText(3.5, 180), "-4 180 0");
}

Items LightAndSun(const std::string& angles, const std::string& colour, const std::string& size,
                  const std::string& origin) {
  return {"entity", "{", "id", "Insert ID Here", "classname", "light_environment", "angles",
          angles, "_light", colour + " 200", "_ambient", colour + " 20", "origin", origin, "}",
          "entity", "{", "id", "Insert ID Here", "classname", "env_sun", "angles", angles,
          "rendercolor", colour + " 200", "size", size, "origin", origin, "}"};
}

TEST(AppendLightAndSun, ByDayFollowsTheSun) {
  SunValues sun;
  sun.sunElevation = 30.4f;
  sun.sunAzimuth = 201.5f;
  Items room{"kept"};
  AppendLightAndSun(room, sun, false, "10 -20 64");
  Items expected{"kept"};
  const Items pair = LightAndSun("-30 202 0", "255 255 221", "16", "10 -20 64");
  expected.insert(expected.end(), pair.begin(), pair.end());
  EXPECT_EQ(room, expected);
}

TEST(AppendLightAndSun, AtNightOrWithLightsSkippedTheMoonLights) {
  SunValues night;
  night.sunElevation = -1;
  night.moonLight = 0.5f;
  Items room;
  AppendLightAndSun(room, night, false, "0 0 0");
  EXPECT_EQ(room, LightAndSun("-55 194 0", "50 50 50", "8", "0 0 0"));

  SunValues noon;
  noon.sunElevation = 60;
  noon.moonLight = 0.75f;
  room.clear();
  AppendLightAndSun(room, noon, true, "1 2 3");
  EXPECT_EQ(room, LightAndSun("-55 194 0", "75 75 75", "8", "1 2 3"));
}

}  // namespace
}  // namespace vendrel
