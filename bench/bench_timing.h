#pragma once

#include <time.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace vendrel {

// Wall time and the processor time the process spent, which the other programs on a busy
// machine disturb less.
struct BenchWatch {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  double cpu = CpuSeconds();

  static double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
  }
  double Wall() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(); }
  double Cpu() const { return CpuSeconds() - cpu; }
};

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace vendrel
