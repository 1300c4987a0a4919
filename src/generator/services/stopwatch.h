#pragma once

#include "clock.h"

namespace vendrel {

// Seconds since the last Start, from the clock's seconds since midnight (so negative
// across midnight).
class Stopwatch {
 public:
  explicit Stopwatch(const Clock& clock) : clock_(clock) {}
  void StartTimer() { timerStart_ = clock_.SecondsSinceMidnight(); }
  // Subtracted before narrowing: late in the day a single-precision time of day is only
  // good to about 8 ms, too coarse for the steps it measures.
  float EndTimer() const { return static_cast<float>(clock_.SecondsSinceMidnight() - timerStart_); }

 private:
  const Clock& clock_;
  double timerStart_ = 0;
};

}  // namespace vendrel
