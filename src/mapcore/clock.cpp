#include "clock.h"

#include <time.h>

#include <ctime>

namespace vendrel {
namespace {

struct Reading {
  const std::tm& local;
  double fraction;
};

// Local time is broken down at most once a second: the random source reads the clock
// before nearly every draw.
Reading ReadLocalTime(clockid_t source) {
  thread_local std::time_t cachedSecond = -1;
  thread_local std::tm cachedLocal{};
  timespec now{};
  clock_gettime(source, &now);
  if (now.tv_sec != cachedSecond) {
    localtime_r(&now.tv_sec, &cachedLocal);
    cachedSecond = now.tv_sec;
  }
  return {cachedLocal, static_cast<double>(now.tv_nsec) / 1e9};
}

double SecondsOf(const Reading& reading) {
  return reading.local.tm_hour * 3600.0 + reading.local.tm_min * 60.0 + reading.local.tm_sec +
         reading.fraction;
}

LocalTime LocalTimeOf(const std::tm& local) {
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

LocalTime SystemClock::Now() const { return LocalTimeOf(ReadLocalTime(CLOCK_REALTIME_COARSE).local); }

double SystemClock::SecondsSinceMidnight() const { return SecondsOf(ReadLocalTime(CLOCK_REALTIME)); }

double SystemClock::CoarseSecondsSinceMidnight() const {
  return SecondsOf(ReadLocalTime(CLOCK_REALTIME_COARSE));
}

SeedTime SystemClock::SeedReading() const {
  const Reading reading = ReadLocalTime(CLOCK_REALTIME_COARSE);
  return {LocalTimeOf(reading.local), SecondsOf(reading)};
}

}  // namespace vendrel
