#pragma once

#include <filesystem>
#include <string_view>

#include "room_text.h"

namespace vendrel::generator_ui {

// A Windows path on the Wine prefix's drives ($WINEPREFIX, default ~/.wine): "C:\x"
// becomes drive_c/x. Empty for a path without a drive letter.
std::filesystem::path WineDrivePath(std::string_view windowsPath);

// Prints a room text as the level's working map file would take it, into the fixed
// developer file "C:\Testa.vmf"; returns the file written. Throws std::system_error when
// it cannot be written.
std::filesystem::path DEBUG_PrintOut_Roomlines(const Items& roomLines);

}  // namespace vendrel::generator_ui
