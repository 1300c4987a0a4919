#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace vendrel::testing {

// A program folder, a Steam folder and a Wine prefix, all in one temporary folder.
class InstallFixture : public ::testing::Test {
 protected:
  InstallFixture() {
    std::filesystem::create_directories(programFolder);
    std::filesystem::create_directories(steamFolder / "steamapps");
    std::filesystem::create_directories(prefix);
  }

  static void Touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    WriteFile(file, "x");
  }
  void MakeSteamFolder() {
    Touch(steamFolder / "Steam.exe");
    Touch(steamFolder / "steam.dll");
  }
  // An account with the game and the kit's tools; `tools` from "vbsp.exe" on.
  std::filesystem::path MakeAccount(const std::string& name, bool game = true, int tools = 3) {
    const std::filesystem::path account = steamFolder / "steamapps" / name;
    std::filesystem::create_directories(account);
    if (game) Touch(account / "cinderfall" / "cindr.exe");
    const char* programs[] = {"vbsp.exe", "vvis.exe", "vrad.exe"};
    for (int i = 0; i < tools; ++i) Touch(account / "sourcesdk" / "bin" / programs[i]);
    return account;
  }
  std::string SteamFolderText() const { return steamFolder.string() + "/"; }

  TempFolder folder;
  std::filesystem::path programFolder = folder / "program";
  std::filesystem::path steamFolder = folder / "Steam Folder";
  std::filesystem::path prefix = folder / "prefix";
};

}  // namespace vendrel::testing
