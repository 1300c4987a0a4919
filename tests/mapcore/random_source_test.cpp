#include "random_source.h"

#include <gtest/gtest.h>

#include <deque>
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

TEST(RandomSource, ClockReseedsFollowTheClockAndGreyLeavesTheSourceAlone) {
  testing::FixedClock clock;
  RandomSource early(clock), late(clock);
  early.Randa();
  const int readsOfOneRanda = clock.reads;
  EXPECT_GE(readsOfOneRanda, 2) << "seconds since midnight are read for the first and third reseed";
  clock.time.second = 10;
  late.Randa();
  EXPECT_NE(early.Draw(), late.Draw());

  RandomSource grey(clock), untouched(clock);
  grey.SetSeedMode(SeedMode::Untouched);
  untouched.SetSeedMode(SeedMode::Untouched);
  clock.reads = 0;
  grey.Randa();
  EXPECT_EQ(clock.reads, 0);
  EXPECT_EQ(grey.Draw(), untouched.Draw());
}

// A clock whose reseed readings follow one another as the test lists them.
class TickingClock : public Clock {
 public:
  LocalTime Now() const override { return readings.front().local; }
  double SecondsSinceMidnight() const override { return 100.0; }
  SeedTime SeedReading() const override {
    const SeedTime reading = readings.front();
    readings.pop_front();
    return reading;
  }
  mutable std::deque<SeedTime> readings;
};

// The three clock reseeds, each with its own fresh draws, the first and third with a
// clock read of their own: a twin source walked through them by hand must draw alike.
TEST(RandomSource, ClockReseedsFollowTheirFormulas) {
  TickingClock clock;
  clock.readings = {{{2026, 12, 6, 5, 7, 9}, 18429.25}, {{2026, 12, 6, 5, 7, 10}, 18430.5}};
  RandomSource random(clock), twin(clock);
  random.Randa();
  EXPECT_TRUE(clock.readings.empty()) << "the clock is read for the first and the third reseed";

  const double r1 = twin.Draw();
  const double r2 = twin.Draw();
  twin.Reseed(18429.25 + 7 * r1 + r2);
  const double r3 = twin.Draw();
  const double r4 = twin.Draw();
  twin.Reseed(-2313.06345 + 5 + r4 * r3);
  const double r5 = twin.Draw();
  const double r6 = twin.Draw();
  twin.Reseed(18430.5 * 10 - r5 * 14.2562 + r6);
  EXPECT_EQ(random.Draw(), twin.Draw());
}

TEST(RandomSource, BetAtTheEnds) {
  testing::FixedClock clock;
  RandomSource random(clock);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_FALSE(random.Bet(0));
    ASSERT_TRUE(random.Bet(1));
    const double draw = random.Draw();
    ASSERT_GE(draw, 0.0);
    ASSERT_LT(draw, 1.0);
  }
}

TEST(RandomSource, MightFlipStyleReseedsUseTheCustomSeed) {
  testing::FixedClock clock;
  RandomSource a(clock), b(clock);
  a.SetSeedMode(SeedMode::Custom, 9);
  b.SetSeedMode(SeedMode::Custom, 9);
  a.StartRun();
  b.StartRun();
  a.ReseedFromClock(111.0);
  b.ReseedFromClock(222.0);
  EXPECT_EQ(a.Draw(), b.Draw());
}

TEST(CustomSeed, OnlyWholeNumbersOfTenCharactersAtMost) {
  EXPECT_EQ(ParseCustomSeed("12345").value, 12345);
  EXPECT_EQ(ParseCustomSeed("-7").value, -7);
  EXPECT_EQ(ParseCustomSeed("9999999999").value, 9999999999);
  for (const char* bad : {"", "12.5", "abc", "1e5", " 12", "12 ", "99999999999"}) {
    const ParsedSeed parsed = ParseCustomSeed(bad);
    EXPECT_FALSE(parsed.value) << bad;
    EXPECT_NE(parsed.problem.find("not a whole number"), std::string::npos) << bad;
  }
}

}  // namespace
}  // namespace vendrel
