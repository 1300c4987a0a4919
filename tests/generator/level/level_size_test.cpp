#include "level_size.h"

#include <gtest/gtest.h>

#include "fixed_clock.h"

namespace vendrel {
namespace {

TEST(RoomsPerLevel, DrawnFromThreeQuartersToFiveQuartersRoundingHalvesToEven) {
  EXPECT_EQ(RoomsPerLevelFor(10, 0.0), 8);      // 7.5 -> 8
  EXPECT_EQ(RoomsPerLevelFor(10, 0.9999), 12);  // 12.4995 -> 12
  EXPECT_EQ(RoomsPerLevelFor(10, 0.5), 10);
  EXPECT_EQ(RoomsPerLevelFor(5, 0.0), 4);       // 3.75
  EXPECT_EQ(RoomsPerLevelFor(35, 0.9999), 44);  // 43.74
  EXPECT_EQ(RoomsPerLevelFor(6, 0.0), 4);       // 4.5 -> 4
  EXPECT_EQ(RoomsPerLevelFor(14, 0.0), 10);     // 10.5 -> 10
}

TEST(RoomsPerLevel, DrawStaysInRangeForEverySize) {
  testing::FixedClock clock;
  RandomSource random(clock);
  random.SetSeedMode(SeedMode::Custom, 7);
  random.StartRun();
  for (int size = 5; size <= 35; ++size) {
    for (int i = 0; i < 50; ++i) {
      const int rooms = DrawRoomsPerLevel(random, size);
      EXPECT_GE(rooms, static_cast<int>(size * 0.75));
      EXPECT_LE(rooms, static_cast<int>(size * 1.25 + 0.5));
    }
  }
}

}  // namespace
}  // namespace vendrel
