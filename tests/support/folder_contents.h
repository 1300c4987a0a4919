#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "temp_folder.h"

namespace vendrel::testing {

// Every file below the folder and what it holds, leaving out the logs a run adds, so that
// a test can show nothing that was there was changed or lost.
inline std::map<std::filesystem::path, std::string> FolderContents(
    const std::filesystem::path& folder) {
  std::map<std::filesystem::path, std::string> contents;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name.starts_with("quillalog ") || name == "err.txt" ||
        name == "errorlog.txt") {
      continue;
    }
    contents[entry.path()] = ReadFile(entry.path());
  }
  return contents;
}

}  // namespace vendrel::testing
