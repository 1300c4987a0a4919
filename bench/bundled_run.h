#pragma once

#include <filesystem>
#include <string>

#include "categorize.h"
#include "clock.h"
#include "compile_main.h"
#include "log_service.h"
#include "quiet_host.h"

namespace vendrel {

// A fresh program folder in the temporary folder, with the bundled rooms and the spawn data.
inline std::filesystem::path BundledBenchFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::copy(VENDREL_BUNDLED_ROOMS, RoomsFolder(folder));
  for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    std::filesystem::copy_file(std::filesystem::path(VENDREL_SPAWN_DATA) / data, folder / data);
  }
  return folder;
}

// One generation run in `folder` as the command line does it, restarts included.
inline RunOutcome RunBundled(const std::filesystem::path& folder, int size, long long seed, int& restarts) {
  QuietHost host;
  SystemClock clock;
  RandomSource random(clock);
  LogService log(host, clock, folder);
  const Engine engine{host, clock, random, log, folder};
  RunOptions options;
  options.mapSize = size;
  options.seedMode = SeedMode::Custom;
  options.customSeedText = std::to_string(seed);
  ApplySeed(options, random);
  const RoomTable rooms = Categorize(engine, RoomsFolder(folder));
  GenerationRun run(engine);
  RunOutcome outcome;
  do {
    outcome = run.CompileMain({options, rooms, folder, DefaultLevelPaths(folder)});
  } while (outcome.end == RunEnd::RestartRequested && ++restarts < 100);
  return outcome;
}

}  // namespace vendrel
