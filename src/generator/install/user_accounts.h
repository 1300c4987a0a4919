#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vendrel {

struct AccountList {
  std::filesystem::path accountsFolder;
  std::vector<std::string> accounts;  // in the folder list's order
};

// The accounts below the Steam folder: "spath.idf" first, else the Wine prefix's registry.
// Nothing when neither names a folder that can be listed: the "Specify Steam Manually"
// window is to be shown.
std::optional<AccountList> ReadUsers(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& winePrefix);

// The subfolders of `accountsFolder` by name, as a folder list shows them, without
// "sourcemods" in any case. Nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> AccountNames(const std::filesystem::path& accountsFolder);

struct AccountInstallation {
  bool game = false;  // "Cindr Installed"
  bool kit = false;   // "Source SDK Installed"
  bool Complete() const { return game && kit; }
};

AccountInstallation CheckAccount(const std::filesystem::path& accountFolder);

}  // namespace vendrel
