// Mean attempts and mean time until GetGoodLine returns a passing maze line, by length.
// Usage: maze_bench [lines a length, default 400] [custom seed; default: the clock seeds]
#include "quiet_host.h"
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "clock.h"
#include "engine.h"
#include "host.h"
#include "log_service.h"
#include "map_error.h"
#include "maze_selection.h"
#include "maze_surface.h"
#include "random_source.h"

namespace {


// Processor time of this thread: what the machine's other work does not inflate.
double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double WallMilliseconds() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::stoi(argv[1]) : 400;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vendrel-maze-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);

  vendrel::QuietHost host;
  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  if (argc > 2) {
    random.SetSeedMode(vendrel::SeedMode::Custom, std::stoll(argv[2]));
    random.StartRun();
  }
  vendrel::LogService log(host, clock, folder);
  const vendrel::Engine engine{host, clock, random, log, folder};
  vendrel::MazeSurface surface;

  std::printf("GetGoodLine, game start to game end, %d lines a length, %s\n", lines,
              argc > 2 ? "custom seed" : "clock seeding as in a run");
  std::printf("%6s %10s %12s %12s %12s %10s\n", "length", "attempts", "wall ms", "cpu ms",
              "cpu us/try", "failures");
  for (const int length : {5, 10, 20, 30, 35, 40, 44}) {
    long long attempts = 0;
    double wall = 0, cpu = 0;
    int failures = 0;
    for (int n = 0; n < lines; ++n) {
      const vendrel::LineRequest request{length, vendrel::StartKind::GameStart,
                                         vendrel::EndKind::GameEnd,
                                         static_cast<vendrel::Direction>(n % 4 + 1)};
      const double wallStart = WallMilliseconds();
      const double cpuStart = ThreadMilliseconds();
      try {
        attempts += vendrel::GetGoodLine(engine, surface, request).attempts;
      } catch (const vendrel::MapErrorExit&) {
        ++failures;
        attempts += vendrel::kMaxLineAttempts;
      }
      cpu += ThreadMilliseconds() - cpuStart;
      wall += WallMilliseconds() - wallStart;
    }
    std::printf("%6d %10.1f %12.3f %12.3f %12.2f %10d\n", length,
                static_cast<double>(attempts) / lines, wall / lines, cpu / lines,
                1e3 * cpu / static_cast<double>(attempts), failures);
  }
  log.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
