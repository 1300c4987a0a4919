#pragma once

#include "clock.h"

namespace vendrel {

// Seconds since the last Start, from the clock's seconds since midnight (so negative
// across midnight).
class Stopwatch {
 public:
  explicit Stopwatch(const Clock& clock) : clock_(clock) {}
  void StartTimer() { timerStart_ = static_cast<float>(clock_.SecondsSinceMidnight()); }
  float EndTimer() const { return static_cast<float>(clock_.SecondsSinceMidnight()) - timerStart_; }

 private:
  const Clock& clock_;
  float timerStart_ = 0;
};

}  // namespace vendrel
