// The whole generation run (room library scan to level1.vmf written) on the bundled room
// library at sizes 5, 20 and 35, beside its floor: reading the room files the run chose
// and writing a file the size of the level.
#include "bench_timing.h"
#include "bundled_run.h"
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace vendrel;

struct RunFigures {
  double seconds = 0, cpuSeconds = 0;
  double floorSeconds = 0, floorCpuSeconds = 0;
  std::uintmax_t levelBytes = 0;
  int restarts = 0;
};

// One run as the command line does it, restarts included, then its floor.
RunFigures OneRun(const std::filesystem::path& folder, int size, long long seed) {
  RunFigures figures;
  const BenchWatch runWatch;
  const RunOutcome outcome = RunBundled(folder, size, seed, figures.restarts);
  figures.seconds = runWatch.Wall();
  figures.cpuSeconds = runWatch.Cpu();
  figures.levelBytes = std::filesystem::file_size(outcome.levelFile);

  const BenchWatch floorWatch;
  std::size_t bytesRead = 0;
  for (const PlacedRoom& room : outcome.rooms) {
    std::ifstream in(room.file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    bytesRead += text.size();
  }
  const std::string level(figures.levelBytes, bytesRead > 0 ? 'x' : 'y');
  std::ofstream(folder / "floor.vmf", std::ios::binary).write(level.data(),
                                                             static_cast<std::streamsize>(level.size()));
  figures.floorSeconds = floorWatch.Wall();
  figures.floorCpuSeconds = floorWatch.Cpu();
  return figures;
}

}  // namespace

int main() {
  const auto folder = BundledBenchFolder("vendrel-generate-bench");

  constexpr int kRuns = 30;
  std::printf("medians of %d runs a size, milliseconds; cpu = processor time of the process\n",
              kRuns);
  std::printf("size  run wall  run cpu  worst wall  floor wall  floor cpu  wall ratio  cpu ratio"
              "  level KB  restarts\n");
  for (const int size : {5, 20, 35}) {
    std::vector<double> wall, cpu, floorWall, floorCpu;
    std::uintmax_t bytes = 0;
    int restarts = 0;
    for (int i = 0; i < kRuns; ++i) {
      const RunFigures figures = OneRun(folder, size, 1000 + i);
      wall.push_back(figures.seconds);
      cpu.push_back(figures.cpuSeconds);
      floorWall.push_back(figures.floorSeconds);
      floorCpu.push_back(figures.floorCpuSeconds);
      bytes += figures.levelBytes;
      restarts += figures.restarts;
    }
    std::printf("%4d  %8.2f  %7.2f  %10.2f  %10.2f  %9.2f  %10.1f  %9.1f  %8ju  %8d\n", size,
                Median(wall) * 1e3, Median(cpu) * 1e3,
                *std::max_element(wall.begin(), wall.end()) * 1e3, Median(floorWall) * 1e3,
                Median(floorCpu) * 1e3, Median(wall) / Median(floorWall),
                Median(cpu) / Median(floorCpu), bytes / kRuns / 1024, restarts);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory (maxrss): %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
  std::filesystem::remove_all(folder);
  return 0;
}
