#include "random_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "fixed_clock.h"

namespace vendrel {
namespace {

std::vector<double> Draws(RandomSource& random, int count) {
  std::vector<double> draws;
  for (int i = 0; i < count; ++i) {
    random.Randa();
    draws.push_back(random.Draw());
  }
  return draws;
}

TEST(RandomSource, CustomSeedReproducesDrawsAndReadsNoClock) {
  testing::FixedClock clock;
  RandomSource first(clock), second(clock);
  first.SetSeedMode(SeedMode::Custom, 4711);
  second.SetSeedMode(SeedMode::Custom, 4711);
  first.StartRun();
  second.StartRun();
  clock.reads = 0;
  const auto a = Draws(first, 50);
  clock.time.second = 33;  // a clock that moves must not matter
  const auto b = Draws(second, 50);
  EXPECT_EQ(a, b);
  EXPECT_EQ(clock.reads, 0);
  EXPECT_NE(a[0], a[1]) << "a reseed mixes, it does not restart the sequence";

  RandomSource other(clock);
  other.SetSeedMode(SeedMode::Custom, 4712);
  other.StartRun();
  EXPECT_NE(Draws(other, 50), a);
}

}  // namespace
}  // namespace vendrel
