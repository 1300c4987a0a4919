#pragma once

#include <filesystem>

namespace vendrel::testing {

// A program folder for vendrel-cli of its own: the program, the bundled rooms and the
// spawn data files, so a run's log and level stay out of the build.
inline void CopyProgramFolder(const std::filesystem::path& program, const std::filesystem::path& rooms,
                              const std::filesystem::path& spawnData, const std::filesystem::path& folder) {
  std::filesystem::copy_file(program, folder / program.filename());
  std::filesystem::copy(rooms, folder / "rooms");
  for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    std::filesystem::copy_file(spawnData / data, folder / data);
  }
}

}  // namespace vendrel::testing
