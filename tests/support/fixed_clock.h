#pragma once

#include "clock.h"

namespace vendrel::testing {

// A clock that says what the test sets; counts how often it is read.
class FixedClock : public Clock {
 public:
  LocalTime Now() const override {
    ++reads;
    return time;
  }
  double SecondsSinceMidnight() const override {
    ++reads;
    return time.hour * 3600.0 + time.minute * 60.0 + time.second + fraction;
  }

  LocalTime time{2026, 12, 6, 5, 7, 9};
  double fraction = 0.25;
  mutable int reads = 0;
};

}  // namespace vendrel::testing
