#include "categorize.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "map_format_error.h"
#include "progress.h"
#include "room_catalogue.h"
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

// A row that holds only the file's path and why its header could not be read.
RoomRow UnreadableRow(const std::filesystem::path& file, std::string why) {
  RoomRow row;
  row[kPathColumn] = RoomCell{file.string(), std::nullopt};
  row.unreadable = std::move(why);
  return row;
}

RoomRow HeaderRow(const std::filesystem::path& file,
                  const std::array<std::string, kRoomHeaderItems>& header) {
  RoomRow row;
  for (std::size_t item = 0; item < kRoomHeaderItems; ++item) {
    const int column = item < 19 ? static_cast<int>(item) : static_cast<int>(item) + 1;
    row[column] = RoomCell::FromItem(header[item]);
  }
  row[kPathColumn] = RoomCell{file.string(), std::nullopt};
  return row;
}

}  // namespace

std::filesystem::path RoomsFolder(const std::filesystem::path& programFolder) {
  return programFolder / "rooms";
}

RoomTable Categorize(const Engine& engine, const std::filesystem::path& roomsFolder) {
  std::vector<LeftOutRoom> deleted;
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
      if (error) {
        table.rows.push_back(UnreadableRow(file, error.message()));
        continue;
      }
      if (length == 0) {
        if (std::filesystem::remove(file, error)) {
          deleted.push_back({file, "it was empty and has been deleted"});
          restart = true;
        } else {
          // An empty file that stays is no room; scanning again would never end.
          table.leftOut.push_back(
              {file, "it is empty and could not be deleted (" + error.message() + ")"});
        }
        continue;
      }
      try {
        table.rows.push_back(HeaderRow(file, ReadRoomHeader(file)));
      } catch (const MapFormatError& unreadable) {
        table.rows.push_back(UnreadableRow(file, unreadable.Problem()));
      }
    }
    if (restart) continue;
    table.leftOut.insert(table.leftOut.begin(), deleted.begin(), deleted.end());
    for (const RoomRow& row : table.rows) {
      if (std::string why = RoomUnfitness(row); !why.empty()) {
        table.leftOut.push_back({row.File(), std::move(why)});
      }
    }
    for (const LeftOutRoom& room : table.leftOut)
      engine.log.Log(LeftOutRoomLine(room), false, true);
    return table;
  }
}

}  // namespace vendrel
