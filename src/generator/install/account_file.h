#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vendrel {

// "cindrpath.ini": line 1 the default-account flag, line 2 the account folder.
struct StoredAccount {
  bool isDefault = false;
  std::string accountFolder;
};

std::filesystem::path AccountFile(const std::filesystem::path& programFolder);

// Nothing when the file is missing or unreadable. A first line that is no number counts
// as 0, as a number read from it would; the folder loses any control characters.
std::optional<StoredAccount> ReadAccountFile(const std::filesystem::path& programFolder);

// False when the file cannot be written.
bool WriteAccountFile(const std::filesystem::path& programFolder, const StoredAccount& account);

}  // namespace vendrel
