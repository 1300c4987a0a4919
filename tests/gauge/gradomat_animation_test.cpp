#include <vector>

#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

using vendrel::testing::PrintTo;  // found by the cases' own lookup

struct AnimationCase {
  const char* name;
  int max;
  int from;
  int to;
  std::vector<int> expected;
};

class GradomatAnimation : public GaugeTest, public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(GradomatAnimation, ShowsATenthOfTheDistanceEachTickAndEndsOnTheValue) {
  const AnimationCase& animation = GetParam();
  gauge.SetMax(animation.max);
  Settle(animation.from);
  ASSERT_EQ(Shown(), animation.from);

  gauge.SetValue(animation.to);
  ASSERT_TRUE(Timer().isActive());
  EXPECT_EQ(Timer().interval(), 1);
  EXPECT_EQ(Animate(), animation.expected);
  EXPECT_FALSE(Timer().isActive());
  EXPECT_EQ(gauge.Value(), animation.to);
}

// Halves round to even: 3.5 goes up to 4, 2.5 and 1.5 go to 2.
INSTANTIATE_TEST_SUITE_P(
    Steps, GradomatAnimation,
    ::testing::Values(
        AnimationCase{"Up",
                      100,
                      0,
                      100,
                      {10, 19, 27, 34, 41, 47, 52, 57, 61, 65, 69, 72, 75, 77, 79, 81, 83,
                       85, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100}},
        AnimationCase{"Down",
                      100,
                      100,
                      0,
                      {90, 81, 73, 66, 59, 53, 48, 43, 39, 35, 31, 28, 25, 23, 21, 19, 17,
                       15, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        // Once a tenth of the distance is under a thousandth of the range, it snaps.
        AnimationCase{"SnapsWhenTheStepIsTooSmallToShow",
                      32767,
                      0,
                      30000,
                      {3000,  5700,  8130,  10317, 12285, 14057, 15651, 17086, 18377,
                       19539, 20585, 21527, 22374, 23137, 23823, 24441, 24997, 25497,
                       25947, 26352, 26717, 27045, 27341, 27607, 27846, 28061, 28255,
                       28429, 28586, 28727, 28854, 28969, 29072, 29165, 29249, 29324,
                       29392, 29453, 29508, 29557, 29601, 29641, 29677, 30000}}),
    CaseName());

TEST_F(GaugeTest, ANewRangeShowsTheValueAtOnce) {
  gauge.SetMax(100);
  Settle(80);
  gauge.SetMax(50);
  EXPECT_EQ(gauge.Value(), 50);
  EXPECT_EQ(Shown(), 50);
  EXPECT_FALSE(Timer().isActive());
  EXPECT_EQ(beeps, 0) << "pulling the value into a new range is silent";
}

TEST_F(GaugeTest, MaxEqualToMinStopsTheTimerAndKeepsTheLastDrawing) {
  gauge.SetMax(100);
  Settle(50);
  gauge.SetValue(100);
  ASSERT_TRUE(Timer().isActive());
  const QImage lastDrawing = Render();
  const QString lastCaption = Label().text();

  gauge.SetMax(0);
  ASSERT_EQ(gauge.Max(), gauge.Min());
  EXPECT_FALSE(Timer().isActive());
  EXPECT_EQ(Render(), lastDrawing);
  EXPECT_EQ(Label().text(), lastCaption);

  gauge.DrawValue();
  gauge.SetValue(7);
  EXPECT_EQ(gauge.Value(), 0);
  EXPECT_FALSE(Timer().isActive());
  EXPECT_EQ(Render(), lastDrawing);
}

}  // namespace
}  // namespace vendrel::testing
