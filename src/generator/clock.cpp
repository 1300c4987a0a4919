#include "clock.h"

#include <time.h>

#include <ctime>

namespace vendrel {
namespace {

// The random source reads the clock before nearly every draw, so a reading must be
// cheap: the coarse wall clock (a few milliseconds, finer than the timer the clock
// stands for), broken down into local time at most once a second.
struct Reading {
  const std::tm& local;
  double fraction;
};

Reading ReadLocalTime() {
  thread_local std::time_t cachedSecond = -1;
  thread_local std::tm cachedLocal{};
  timespec now{};
  clock_gettime(CLOCK_REALTIME_COARSE, &now);
  if (now.tv_sec != cachedSecond) {
    localtime_r(&now.tv_sec, &cachedLocal);
    cachedSecond = now.tv_sec;
  }
  return {cachedLocal, static_cast<double>(now.tv_nsec) / 1e9};
}

}  // namespace

LocalTime SystemClock::Now() const {
  const std::tm& local = ReadLocalTime().local;
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

double SystemClock::SecondsSinceMidnight() const {
  const Reading reading = ReadLocalTime();
  return reading.local.tm_hour * 3600.0 + reading.local.tm_min * 60.0 + reading.local.tm_sec +
         reading.fraction;
}

}  // namespace vendrel
