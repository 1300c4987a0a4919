#pragma once

#include <filesystem>
#include <string_view>

namespace vendrel {

// Where the game and its kit live inside an account folder.
struct GamePaths {
  std::filesystem::path account;

  std::filesystem::path GameProgram() const { return account / "cinderfall" / "cindr.exe"; }
  std::filesystem::path GameFolder() const { return account / "cinderfall" / "cindr"; }
  std::filesystem::path MapsFolder() const { return GameFolder() / "maps"; }
  // "vbsp.exe", "vvis.exe", "vrad.exe".
  std::filesystem::path Tool(std::string_view program) const {
    return account / "sourcesdk" / "bin" / program;
  }
};

}  // namespace vendrel
