#include "batch_command.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "batch_generation.h"
#include "batch_report.h"
#include "categorize.h"
#include "clock.h"
#include "coverage_warnings.h"
#include "generate_flags.h"
#include "left_out_warnings.h"
#include "log_service.h"
#include "map_error.h"
#include "random_source.h"
#include "terminal_host.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

struct BatchRequest : GenerateRequest {
  int count = 10;
  int jobs = 1;
  std::string keep;
  std::string json;
};

constexpr long long kDefaultFirstSeed = 1;

// The bar on stderr, redrawn as generations finish, only where someone watches.
class ProgressBar {
 public:
  explicit ProgressBar(int total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
  void Finished() {
    const std::lock_guard lock(mutex_);
    ++done_;
    if (!shown_) return;
    constexpr int kWidth = 40;
    const int filled = done_ * kWidth / total_;
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done_ << "/"
              << total_ << (done_ == total_ ? "\n" : "") << std::flush;
  }

 private:
  std::mutex mutex_;
  int total_;
  int done_ = 0;
  bool shown_;
};

// A folder of its own for each job's level files, removed when the batch keeps none.
std::filesystem::path JobFolder(int job) {
  return std::filesystem::temp_directory_path() /
         ("vendrel-batch-" + std::to_string(getpid()) + "-" + std::to_string(job));
}

std::vector<GenerationRecord> RunAll(const BatchSetup& setup, const BatchRequest& request,
                                     long long firstSeed) {
  std::vector<GenerationRecord> records(static_cast<std::size_t>(request.count));
  std::atomic<int> next{0};
  ProgressBar bar(request.count);
  auto work = [&](int job) {
    const std::filesystem::path folder = JobFolder(job);
    // A folder that cannot be made fails each generation through the run's own error.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (int i = next++; i < request.count; i = next++) {
      const long long seed = firstSeed + i;
      const std::filesystem::path level =
          request.keep.empty() ? folder / "level.vmf"
                               : std::filesystem::path(request.keep) / ("level-" + std::to_string(seed) + ".vmf");
      records[static_cast<std::size_t>(i)] = RunGeneration(setup, seed, level);
      bar.Finished();
    }
    std::filesystem::remove_all(folder, ignored);
  };
  std::vector<std::thread> threads;
  for (int job = 1; job < request.jobs; ++job) threads.emplace_back(work, job);
  work(0);
  for (std::thread& thread : threads) thread.join();
  return records;
}

int Batch(BatchRequest& request) {
  if (request.seed.empty()) request.seed = std::to_string(kDefaultFirstSeed);
  if (const std::string problems = PrepareOptions(request); !problems.empty()) {
    std::cerr << "vendrel-cli batch: " << problems;
    return 2;
  }
  const long long firstSeed = std::stoll(request.seed);
  if (const std::string lastSeed = std::to_string(firstSeed + request.count - 1); lastSeed.size() > 10) {
    std::cerr << "vendrel-cli batch: the last seed " << lastSeed << " is longer than 10 characters.\n";
    return 2;
  }
  const std::optional<std::filesystem::path> writingFolder = WritingFolder();
  if (!writingFolder) return 1;
  const std::filesystem::path& programFolder = *writingFolder;
  TerminalHost host(true, true);
  SystemClock clock;
  RandomSource random(clock);
  LogService log(host, clock, programFolder);
  log.SetLogEnabled(request.options.writeLog);
  const Engine engine{host, clock, random, log, programFolder};
  try {
    if (!request.keep.empty()) std::filesystem::create_directories(request.keep);
    const RoomTable rooms = Categorize(engine, RoomsFolderOf(request, programFolder));
    PrintLeftOutRooms(rooms);
    WarnOfCoverageHoles(engine, rooms, request.options.genre);
    const BatchSetup setup{request.options, rooms, programFolder, DataFolderOf(request, programFolder),
                           request.maxRestarts};
    const BatchReport report = Summarize(RunAll(setup, request, firstSeed));
    std::printf("%s", ReportText(report).c_str());
    if (!request.json.empty()) {
      std::ofstream json(request.json, std::ios::binary);
      json << ReportJson(report);
      if (!json.flush()) {
        std::cerr << "vendrel-cli batch: could not write " << request.json << "\n";
        return 1;
      }
    }
    return report.succeeded == report.count ? 0 : 1;
  } catch (const MapErrorExit& error) {
    std::cerr << "vendrel-cli batch: " << error.what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "vendrel-cli batch: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddBatchCommand(CLI::App& app, int& exitStatus) {
  auto* command = app.add_subcommand(
      "batch",
      "Generate many levels in one go, seeds counting up from --seed (default 1), and report "
      "how the generator behaved over them; no level file is kept unless --keep asks. Exits 1 "
      "when any generation failed.");
  auto request = std::make_shared<BatchRequest>();
  AddGenerateFlags(*command, request);
  command->add_option("--count", request->count, "how many levels to generate")
      ->check(CLI::Range(1, 1000000))
      ->capture_default_str();
  command->add_option("--jobs", request->jobs,
                      "generations at once, each on a processor core of its own; the report is "
                      "the same for any number")
      ->check(CLI::Range(1, 256))
      ->capture_default_str();
  command->add_option("--keep", request->keep, "keep every level as DIR/level-SEED.vmf");
  command->add_option("--json", request->json, "also write the report as JSON into this file");
  command->callback([request, &exitStatus] { exitStatus = Batch(*request); });
}

}  // namespace vendrel::cli
