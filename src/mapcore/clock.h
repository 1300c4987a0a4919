#pragma once

namespace vendrel {

struct LocalTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// One coarse reading for a reseed: the local time and the seconds since midnight together.
struct SeedTime {
  LocalTime local;
  double secondsSinceMidnight = 0;
};

// The wall clock, a seam so tests decide what time it is.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // Seconds since midnight, with the fraction.
  virtual double SecondsSinceMidnight() const = 0;
  // The same for seeding the random source, which reads it before nearly every draw: a
  // clock may answer from a cheaper reading a few milliseconds coarse.
  virtual double CoarseSecondsSinceMidnight() const { return SecondsSinceMidnight(); }
  // Both coarse values a reseed needs; a clock may answer them from a single reading.
  virtual SeedTime SeedReading() const { return {Now(), CoarseSecondsSinceMidnight()}; }
};

class SystemClock final : public Clock {
 public:
  LocalTime Now() const override;
  double SecondsSinceMidnight() const override;
  double CoarseSecondsSinceMidnight() const override;
  SeedTime SeedReading() const override;
};

}  // namespace vendrel
