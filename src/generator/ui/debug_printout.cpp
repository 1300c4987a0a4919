#include "debug_printout.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>

#include "level_writer.h"
#include "room_printer.h"

namespace vendrel::generator_ui {

std::filesystem::path WineDrivePath(std::string_view windowsPath) {
  if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
      std::isalpha(static_cast<unsigned char>(windowsPath[0])) == 0) {
    return {};
  }
  std::filesystem::path prefix;
  if (const char* wine = std::getenv("WINEPREFIX"); wine != nullptr && *wine != '\0') {
    prefix = wine;
  } else {
    const char* home = std::getenv("HOME");
    prefix = std::filesystem::path(home != nullptr ? home : "") / ".wine";
  }
  const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
  std::filesystem::path path = prefix / (std::string("drive_") + drive);
  std::string rest(windowsPath.substr(2));
  std::string part;
  for (const char c : rest + "\\") {
    if (c == '\\' || c == '/') {
      if (!part.empty()) path /= part;
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  return path;
}

std::filesystem::path DEBUG_PrintOut_Roomlines(const Items& roomLines) {
  const std::filesystem::path file = WineDrivePath("C:\\Testa.vmf");
  std::filesystem::create_directories(file.parent_path());
  Items entityLines;
  LevelWriter writer(file);
  PrintRoom({}, roomLines, writer, entityLines);
  writer.Close();
  return file;
}

}  // namespace vendrel::generator_ui
