// The whole `vendrel-cli generate --size 35` process timed from outside (start-up, room
// scan, run, level check, exit) beside the floor of the same level: reading the room
// files it used and writing a file of its size.
// Usage: generate_process_bench [another vendrel-cli to time, built from other sources]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "bundled_run.h"

namespace {

using namespace vendrel;

// Wall seconds of one process run, and its peak memory in MB.
std::pair<double, double> RunCli(const std::filesystem::path& cli, long long seed) {
  const std::string seedText = std::to_string(seed);
  const BenchWatch watch;
  const pid_t child = fork();
  if (child == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execl(cli.c_str(), cli.c_str(), "generate", "--size", "35", "--seed", seedText.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "generate_process_bench: %s failed\n", cli.c_str());
    std::exit(1);
  }
  return {watch.Wall(), static_cast<double>(usage.ru_maxrss) / 1024};
}

double FloorSeconds(const std::filesystem::path& folder, long long seed) {
  int restarts = 0;
  const RunOutcome outcome = RunBundled(folder, 35, seed, restarts);
  const std::uintmax_t levelBytes = std::filesystem::file_size(outcome.levelFile);
  const BenchWatch watch;
  std::size_t bytesRead = 0;
  for (const PlacedRoom& room : outcome.rooms) {
    std::ifstream in(room.file, std::ios::binary);
    bytesRead += std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}.size();
  }
  const std::string level(levelBytes, bytesRead > 0 ? 'x' : 'y');
  std::ofstream(folder / "floor.vmf", std::ios::binary)
      .write(level.data(), static_cast<std::streamsize>(level.size()));
  return watch.Wall();
}

}  // namespace

int main(int argc, char** argv) {
  // A program folder of its own: the command writes its level and log beside itself.
  const auto folder = BundledBenchFolder("vendrel-generate-process-bench");
  const auto cli = folder / "vendrel-cli";
  std::filesystem::copy_file(argc > 1 ? argv[1] : VENDREL_CLI, cli);
  std::filesystem::permissions(cli, std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);

  constexpr int kRuns = 21;
  std::vector<double> wall, floor;
  double peak = 0;
  for (int i = 0; i < kRuns; ++i) {
    const auto [seconds, megabytes] = RunCli(cli, 1000 + i);
    wall.push_back(seconds);
    peak = std::max(peak, megabytes);
    floor.push_back(FloorSeconds(folder, 1000 + i));
  }
  std::printf("vendrel-cli generate --size 35, medians of %d processes: %.2f ms wall, floor %.2f ms,"
              " ratio %.1f, best %.2f ms; peak memory %.1f MB\n",
              kRuns, Median(wall) * 1e3, Median(floor) * 1e3, Median(wall) / Median(floor),
              *std::min_element(wall.begin(), wall.end()) * 1e3, peak);
  std::filesystem::remove_all(folder);
  return 0;
}
