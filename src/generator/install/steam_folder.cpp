#include "steam_folder.h"

#include <array>
#include <fstream>
#include <iterator>

#include "path_text.h"
#include "wine_registry.h"

namespace vendrel {

std::string DeadChars(std::string_view InputStr) {
  std::string kept;
  kept.reserve(InputStr.size());
  for (const char c : InputStr) {
    if (static_cast<unsigned char>(c) >= 32) kept += c;
  }
  return kept;
}

bool IsSteamFolder(std::string_view folderText) {
  const std::string folder(folderText);
  return FileExists(folder + "Steam.exe") && FileExists(folder + "steam.dll");
}

std::filesystem::path SteamPathFile(const std::filesystem::path& programFolder) {
  return programFolder / "spath.idf";
}

std::string InternalSteamPath(const std::filesystem::path& programFolder) {
  const std::filesystem::path file = SteamPathFile(programFolder);
  if (!FileExists(file)) return {};
  std::ifstream in(file, std::ios::binary);
  const std::string cleaned =
      DeadChars(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  if (cleaned.empty() || !IsSteamFolder(cleaned)) return {};
  return cleaned + "steamapps/";
}

bool WriteSteamPathFile(const std::filesystem::path& programFolder,
                        std::string_view steamFolderText) {
  std::ofstream out(SteamPathFile(programFolder), std::ios::binary | std::ios::trunc);
  out << steamFolderText << "\r\n";
  out.close();
  return !out.fail();
}

std::optional<std::filesystem::path> RegistryAccountsFolder(const std::filesystem::path& winePrefix) {
  // A 32-bit client in a 64-bit prefix writes its key below Wow6432Node.
  static constexpr std::array<std::string_view, 2> kKeys{
      "Software\\Valve\\Steam", "Software\\Wow6432Node\\Valve\\Steam"};
  for (const std::string_view key : kKeys) {
    const auto installPath = ReadRegistryString(winePrefix / "system.reg", key, "installpath");
    if (!installPath) continue;
    const std::string text = installPath->substr(0, installPath->find('\0'));
    if (text.empty()) continue;
    return WindowsPathInPrefix(winePrefix, text) / "steamapps";
  }
  return std::nullopt;
}

}  // namespace vendrel
