#include "run_options.h"

#include <gtest/gtest.h>

#include "fixed_clock.h"
#include "progress.h"

namespace vendrel {
namespace {

TEST(RunOptions, StartValuesMatchTheDeclarations) {
  const RunOptions options;
  for (const GaugeSetting& gauge : RunGauges()) {
    EXPECT_EQ(options.*gauge.field, gauge.start) << gauge.name;
    EXPECT_LE(gauge.min, gauge.start) << gauge.name;
    EXPECT_GE(gauge.max, gauge.start) << gauge.name;
  }
  for (const CheckSetting& check : RunChecks()) {
    EXPECT_EQ(options.*check.field, check.startTicked) << check.name;
  }
  EXPECT_EQ(ValidateRunOptions(options), "");
}

TEST(RunOptions, RandomizedOptionsStayInRange) {
  testing::FixedClock clock;
  RandomSource random(clock);
  int largestSize = 0;
  for (int i = 0; i < 2000; ++i) {
    RunOptions options;
    SetRandomizedOptions(random, options);
    ASSERT_EQ(ValidateRunOptions(options), "");
    ASSERT_GE(options.difficulty, 1);
    ASSERT_LE(options.mapSize, 34) << "the draw never reaches the gauge's maximum";
    largestSize = std::max(largestSize, options.mapSize);
  }
  EXPECT_EQ(largestSize, 34);
}

TEST(RunOptions, ValidationNamesWhatIsWrong) {
  RunOptions options;
  options.mapSize = 36;
  options.seedMode = SeedMode::Custom;
  options.customSeedText = "12a";
  const std::string problems = ValidateRunOptions(options);
  EXPECT_NE(problems.find("MapSizeBar must be from 5 to 35, not 36"), std::string::npos);
  EXPECT_NE(problems.find("\"12a\" is not a whole number"), std::string::npos);
}

TEST(TimeOfDaySettings, DeclaredStartValuesAreTheOptionsStartValues) {
  const RunOptions options;
  for (const GaugeSetting& gauge : TimeGauges()) {
    EXPECT_EQ(options.*gauge.field, gauge.start) << gauge.name;
  }
  EXPECT_EQ(options.*SeasonSetting().field, SeasonSetting().start);
  EXPECT_EQ(SeasonSetting().items[static_cast<std::size_t>(SeasonSetting().start)], "Spring");
  EXPECT_EQ(options.*LatitudeSetting().field, LatitudeSetting().start);
  EXPECT_EQ(ValidateRunOptions(options), "");
}

TEST(TimeOfDaySettings, OutOfRangeValuesAreRefused) {
  RunOptions options;
  options.clockBar = 49;
  options.moonBar = 0;
  options.season = 4;
  options.latitude = -51;
  EXPECT_EQ(ValidateRunOptions(options),
            "ClockBar must be from 0 to 48, not 49.\n"
            "MoonBar must be from 1 to 5, not 0.\n"
            "The season must be from 0 to 3, not 4.\n"
            "The latitude must be from -50 to 90, not -51.\n");
  options.clockBar = 48;
  options.moonBar = 5;
  options.season = 0;
  options.latitude = 90;
  EXPECT_EQ(ValidateRunOptions(options), "");
}

TEST(MrProg, LinesAndColours) {
  EXPECT_TRUE(MrProgColours(0).empty());
  EXPECT_EQ(MrProgColours(50).size(), 336u);
  const auto full = MrProgColours(100);
  ASSERT_EQ(full.size(), 673u);
  EXPECT_EQ(full.front().red, 0);
  EXPECT_EQ(full.front().green, 128);
  EXPECT_EQ(full.front().blue, 128);
  EXPECT_EQ(full.back().red, 128);
  EXPECT_EQ(full.back().blue, 0);
  EXPECT_EQ(full[335].red, 64) << "128 * 336 / 673 = 63.9";
  EXPECT_EQ(MrProgColours(250).size(), 673u);
}

}  // namespace
}  // namespace vendrel
