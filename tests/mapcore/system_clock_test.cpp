#include "clock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vendrel {
namespace {

// Apart on the clock face, allowing for midnight in between.
double SecondsApart(double a, double b) {
  const double apart = std::fabs(a - b);
  return std::fmin(apart, 86400 - apart);
}

TEST(SystemClock, CoarseAndLocalReadingsAgreeWithThePreciseOne) {
  const SystemClock clock;
  for (int reading = 0; reading < 1000; ++reading) {
    const double precise = clock.SecondsSinceMidnight();
    const double coarse = clock.CoarseSecondsSinceMidnight();
    const LocalTime now = clock.Now();
    ASSERT_GE(precise, 0);
    ASSERT_LT(precise, 86400);
    ASSERT_LT(SecondsApart(precise, coarse), 1.0);
    ASSERT_LT(SecondsApart(precise, now.hour * 3600.0 + now.minute * 60.0 + now.second), 2.0);
  }
}

}  // namespace
}  // namespace vendrel
