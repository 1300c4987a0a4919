#include "user_accounts.h"

#include <algorithm>
#include <system_error>

#include "game_paths.h"
#include "path_text.h"
#include "steam_folder.h"
#include "text_case.h"

namespace vendrel {

std::optional<std::vector<std::string>> AccountNames(const std::filesystem::path& accountsFolder) {
  std::error_code error;
  std::filesystem::directory_iterator entries(accountsFolder, error);
  if (error) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& entry : entries) {
    if (!entry.is_directory(error)) continue;
    std::string name = ToRight(entry.path().string()).text;
    if (ToLowerAscii(name) != "sourcemods") names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string lowerA = ToLowerAscii(a), lowerB = ToLowerAscii(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
  });
  return names;
}

std::optional<AccountList> ReadUsers(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& winePrefix) {
  std::optional<std::filesystem::path> folder;
  if (const std::string remembered = InternalSteamPath(programFolder); !remembered.empty()) {
    folder = remembered;
  } else {
    folder = RegistryAccountsFolder(winePrefix);
  }
  if (!folder) return std::nullopt;
  auto names = AccountNames(*folder);
  if (!names) return std::nullopt;
  return AccountList{folder->lexically_normal(), std::move(*names)};
}

AccountInstallation CheckAccount(const std::filesystem::path& accountFolder) {
  const GamePaths paths{accountFolder};
  return {FileExists(paths.GameProgram()), FileExists(paths.Tool("vbsp.exe"))};
}

}  // namespace vendrel
