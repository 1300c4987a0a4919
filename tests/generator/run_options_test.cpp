#include "run_options.h"

#include <gtest/gtest.h>

namespace vendrel {
namespace {

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

}  // namespace
}  // namespace vendrel
