#pragma once

#include <filesystem>
#include <optional>

#include "random_source.h"

namespace vendrel {

inline constexpr int kBackupNumbers = 1000;

struct LevelMove {
  bool moved = false;
  std::optional<std::filesystem::path> backup;  // where the level already there went
};

// Moves the compiled level to `target`. A level already at `target` first goes to
// "backup_" + N + "_" + its name in the same folder, N drawn from 1 to 1000 without a
// reseed and drawn again while that name is taken. Nothing in the folder is overwritten:
// when the compiled level is missing or every backup name is taken, nothing moves.
LevelMove MoveIntoMapsFolder(RandomSource& random, const std::filesystem::path& compiled,
                             const std::filesystem::path& target);

}  // namespace vendrel
