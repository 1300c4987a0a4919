#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "room_table.h"
#include "run_options.h"

namespace vendrel::cli {

// What every generation of a batch shares; read only, so jobs may share it.
struct BatchSetup {
  RunOptions options;
  const RoomTable& rooms;
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
  int maxRestarts = 25;
};

// What one generation of a batch did.
struct GenerationRecord {
  long long seed = 0;
  bool succeeded = false;
  std::string failure;
  int mazeAttempts = 0;  // over every start, restarts included
  int restarts = 0;
  int rooms = 0;
  std::map<int, int> roomsByType;
  std::map<std::string, int> roomsByFile;
  std::map<std::string, int> entitiesByClass;
  std::map<int, int> entitiesByDepthBand;  // band b holds depths [b/4, (b+1)/4), the last one 1
  std::string sky;
  double seconds = 0;
};

inline constexpr int kDepthBands = 4;

// One generation with the seed on an engine of its own, starting again after the rooms
// leave the world bounds as generate does; the level goes to `levelFile`.
GenerationRecord RunGeneration(const BatchSetup& setup, long long seed,
                               const std::filesystem::path& levelFile);

}  // namespace vendrel::cli
