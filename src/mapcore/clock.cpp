#include "clock.h"

#include <chrono>
#include <ctime>

namespace vendrel {
namespace {

std::tm LocalNow(std::chrono::system_clock::time_point now) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

LocalTime SystemClock::Now() const {
  const std::tm local = LocalNow(std::chrono::system_clock::now());
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

double SystemClock::SecondsSinceMidnight() const {
  const auto now = std::chrono::system_clock::now();
  const std::tm local = LocalNow(now);
  const auto sinceEpoch = now.time_since_epoch();
  const double fraction =
      std::chrono::duration<double>(sinceEpoch - std::chrono::floor<std::chrono::seconds>(sinceEpoch))
          .count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace vendrel
