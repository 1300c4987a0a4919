#pragma once

#include <string>

#include "compile_main.h"
#include "level_writer.h"

namespace vendrel {

// Why the run must not write to these paths, or empty when it may: the level file and
// its working file must each be a regular file or not exist yet. A folder, a device, a
// FIFO or a socket is never opened, so it stays as it was.
std::string RefuseLevelOutput(const LevelPaths& paths);

// The working map file of one level. Unless it is moved into place whole, it is removed
// when the run leaves, so a failed or aborted run leaves no half level behind.
class WorkingLevelFile {
 public:
  explicit WorkingLevelFile(const LevelPaths& paths);
  ~WorkingLevelFile();
  WorkingLevelFile(const WorkingLevelFile&) = delete;
  WorkingLevelFile& operator=(const WorkingLevelFile&) = delete;

  LevelWriter& Writer() { return writer_; }
  // Closes the file, which throws std::system_error when any byte did not reach the
  // disk, and renames it over the level file in one step, so the old level stays whole
  // until the new one is complete.
  void MoveIntoPlace();

 private:
  LevelPaths paths_;
  LevelWriter writer_;
  bool moved_ = false;
};

}  // namespace vendrel
