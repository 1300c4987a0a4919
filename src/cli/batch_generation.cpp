#include "batch_generation.h"

#include <algorithm>
#include <chrono>

#include "clock.h"
#include "compile_main.h"
#include "log_service.h"
#include "path_text.h"
#include "quiet_host.h"
#include "random_source.h"

namespace vendrel::cli {
namespace {

int DepthBand(float depth) {
  return std::clamp(static_cast<int>(depth * kDepthBands), 0, kDepthBands - 1);
}

void Record(const RunOutcome& outcome, GenerationRecord& record) {
  record.succeeded = true;
  record.rooms = outcome.cells;
  record.sky = outcome.skyName;
  record.entitiesByClass = outcome.entitiesByClass;
  for (const PlannedCell& cell : outcome.plan) ++record.roomsByType[cell.typeCode];
  for (std::size_t i = 0; i < outcome.rooms.size(); ++i) {
    const PlacedRoom& room = outcome.rooms[i];
    ++record.roomsByFile[ToRight(room.file.string()).text];
    int entities = 0;
    if (i < outcome.entitiesByRoom.size()) {
      for (const auto& [className, count] : outcome.entitiesByRoom[i]) entities += count;
    }
    record.entitiesByDepthBand[DepthBand(room.depth)] += entities;
  }
}

}  // namespace

GenerationRecord RunGeneration(const BatchSetup& setup, long long seed,
                               const std::filesystem::path& levelFile) {
  GenerationRecord record;
  record.seed = seed;
  const auto started = std::chrono::steady_clock::now();
  RunOptions options = setup.options;
  options.seedMode = SeedMode::Custom;
  options.customSeedText = std::to_string(seed);
  QuietHost host;
  SystemClock clock;
  RandomSource random(clock);
  ApplySeed(options, random);
  LogService log(host, clock, setup.programFolder);
  log.SetLogEnabled(false);
  const Engine engine{host, clock, random, log, setup.programFolder};
  LevelPaths paths{levelFile, levelFile};
  paths.workingFile += ".temp.dta";
  GenerationRun run(engine);
  try {
    const RunInputs inputs{options, setup.rooms, setup.dataFolder, paths};
    for (;;) {
      const RunOutcome outcome = run.CompileMain(inputs);
      record.mazeAttempts += outcome.mazeAttempts;
      if (outcome.end == RunEnd::Done) {
        Record(outcome, record);
        break;
      }
      if (outcome.end == RunEnd::Aborted) {
        record.failure = "aborted";
        break;
      }
      if (record.restarts == setup.maxRestarts) {
        record.failure = "the rooms left the world bounds in " + std::to_string(record.restarts + 1) +
                         " runs in a row";
        break;
      }
      ++record.restarts;
      run.State().restartCountdown = 99;
    }
  } catch (const std::exception& error) {
    // MapErrorExit among them: the run's own message.
    record.failure = error.what();
    record.mazeAttempts += run.State().mazeAttempts;
  }
  record.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return record;
}

}  // namespace vendrel::cli
