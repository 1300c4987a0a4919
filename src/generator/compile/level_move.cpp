#include "level_move.h"

#include <cmath>
#include <string>

#include "file_move.h"
#include "path_text.h"

namespace vendrel {
namespace {

std::filesystem::path BackupName(const std::filesystem::path& target, int number) {
  return target.parent_path() /
         ("backup_" + std::to_string(number) + "_" + target.filename().string());
}

bool AnyBackupNameFree(const std::filesystem::path& target) {
  std::error_code error;
  for (int number = 1; number <= kBackupNumbers; ++number) {
    if (!std::filesystem::exists(BackupName(target, number), error)) return true;
  }
  return false;
}

}  // namespace

LevelMove MoveIntoMapsFolder(RandomSource& random, const std::filesystem::path& compiled,
                             const std::filesystem::path& target) {
  LevelMove result;
  if (!FileExists(compiled)) return result;
  std::error_code error;
  if (std::filesystem::exists(target, error)) {
    if (!AnyBackupNameFree(target)) return result;
    for (;;) {
      const int number = static_cast<int>(std::floor(random.Draw() * kBackupNumbers + 1));
      const std::filesystem::path backup = BackupName(target, number);
      error = MoveWithoutReplacing(target, backup);
      if (!error) {
        result.backup = backup;
        break;
      }
      if (error != std::errc::file_exists) return result;
    }
  }
  result.moved = !MoveWithoutReplacing(compiled, target);
  return result;
}

}  // namespace vendrel
