#pragma once

#include <filesystem>
#include <string>

#include "categorize.h"
#include "compile_main.h"
#include "engine_fixture.h"

namespace vendrel::testing {

inline const std::filesystem::path kBundledRooms = VENDREL_BUNDLED_ROOMS;
inline const std::filesystem::path kSpawnData = VENDREL_SPAWN_DATA;

// A generation run on a temporary program folder, with the spawn data from the sources.
struct RunContext : EngineContext {
  RunOptions options;
  GenerationRun run{engine};
  int restarts = 0;

  void UseSeed(long long seed) {
    options.seedMode = SeedMode::Custom;
    options.customSeedText = std::to_string(seed);
    ApplySeed(options, random);
  }

  RunOutcome Once(const std::filesystem::path& rooms) {
    const RoomTable table = Categorize(engine, rooms);
    return run.CompileMain({options, table, kSpawnData, DefaultLevelPaths(folder.Path())});
  }

  // Runs again while the rooms leave the world bounds, as the automatic restart does.
  RunOutcome Generate(const std::filesystem::path& rooms, int size, long long seed) {
    options.mapSize = size;
    UseSeed(seed);
    restarts = 0;
    RunOutcome outcome = Once(rooms);
    while (outcome.end == RunEnd::RestartRequested && restarts < 50) {
      ++restarts;
      outcome = Once(rooms);
    }
    return outcome;
  }

  std::filesystem::path LevelFile() const { return folder / "level1.vmf"; }
};

struct RunFixture : ::testing::Test, RunContext {};

// A run whose host and random source are of a test's own kinds.
template <class TestHost, class TestRandom = RandomSource>
struct CustomRunContext : EngineOn<TestHost, TestRandom> {
  GenerationRun run{this->engine};
  RunOptions options;
};

}  // namespace vendrel::testing
