#include "categorize.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "map_error.h"
#include "map_format_error.h"
#include "progress.h"
#include "room_file.h"
#include "text_case.h"

namespace vendrel {
namespace {

bool IsRoomFileName(const std::filesystem::path& name) {
  return EqualsIgnoringCase(name.extension().string(), ".rgr");
}

// The room files of the folder by name, as the file list shows them.
std::vector<std::filesystem::path> ListRoomFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return names;
  for (const auto& entry : entries) {
    std::error_code typeError;
    if (entry.is_regular_file(typeError) && IsRoomFileName(entry.path().filename())) {
      names.push_back(entry.path().filename());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

[[noreturn]] void ReportCorrupt(const Engine& engine, const std::filesystem::path& folder,
                                const std::filesystem::path& name) {
  MapError(engine,
           "The file: " + folder.string() + "/" + name.string() +
               " couldn't be opened. It's probably corrupt.",
           false);
}

}  // namespace

std::filesystem::path RoomsFolder(const std::filesystem::path& programFolder) {
  return programFolder / "rooms";
}

RoomTable Categorize(const Engine& engine, const std::filesystem::path& roomsFolder) {
  for (;;) {
    RoomTable table;
    const std::vector<std::filesystem::path> names = ListRoomFiles(roomsFolder);
    engine.host.Yield();
    engine.host.SetStatus("Catigorizing Rooms...");

    bool restart = false;
    for (std::size_t i = 0; i < names.size() && !restart; ++i) {
      MrProg(engine.host, static_cast<double>(i + 1) / static_cast<double>(names.size()) * 100);
      engine.host.Yield();
      const std::filesystem::path file = roomsFolder / names[i];
      std::error_code error;
      const auto length = std::filesystem::file_size(file, error);
      if (error) ReportCorrupt(engine, roomsFolder, names[i]);
      if (length == 0) {
        if (std::filesystem::remove(file, error)) {
          restart = true;
        } else {
          // An empty file that stays is no room; scanning again would never end.
          engine.log.Log("Could not delete the empty room file " + file.string(), false, true);
        }
        continue;
      }
      std::array<std::string, kRoomHeaderItems> header;
      try {
        header = ReadRoomHeader(file);
      } catch (const MapFormatError&) {
        ReportCorrupt(engine, roomsFolder, names[i]);
      }
      RoomRow& row = table.rows.emplace_back();
      for (std::size_t item = 0; item < kRoomHeaderItems; ++item) {
        const int column = item < 19 ? static_cast<int>(item) : static_cast<int>(item) + 1;
        row[column] = RoomCell::FromItem(header[item]);
      }
      row[kPathColumn] = RoomCell{file.string(), std::nullopt};
    }
    if (!restart) return table;
  }
}

}  // namespace vendrel
