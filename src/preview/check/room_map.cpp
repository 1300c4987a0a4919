#include "room_map.h"

#include <algorithm>
#include <system_error>

#include "map_file_size.h"
#include "room_file.h"
#include "room_text.h"

namespace vendrel::preview {
namespace {

bool IsRoomFile(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".rgr";
}

// Directions and sizes are small whole numbers; anything else shows as 0.
int SmallWhole(const std::string* text) {
  const auto number = text ? ParseWhole(*text) : std::nullopt;
  return number && *number >= 0 && *number < 256 ? static_cast<int>(*number) : 0;
}

RoomMap ReadDeployedRoom(const std::filesystem::path& file) {
  RoomMap room;
  LinedItems body;
  std::vector<std::size_t> lines;
  Items items = ReadRoomBody(file, lines);
  for (std::size_t i = 0; i < items.size(); ++i) {
    // The marker stands where the world block closes; the brushes before it stand alone.
    if (items[i] == kWorldEndMarker) continue;
    body.items.push_back(std::move(items[i]));
    body.lines.push_back(lines[i]);
  }
  room.map = LevelMapFromItems(body);
  room.map.file = file;
  const auto header = ReadRoomHeader(file);
  for (int d = 0; d < 4; ++d) {
    const std::size_t at = 3 + 4 * static_cast<std::size_t>(d);
    const auto origin = ParseVector(header[at] + " " + header[at + 1] + " " + header[at + 2]);
    if (origin) room.connectors.push_back({*origin, d, SmallWhole(&header[at + 3])});
  }
  return room;
}

RoomMap ReadDesignerMap(const std::filesystem::path& file) {
  // A map larger than a room may be is not read: the kit refuses it as well.
  std::error_code sizeError;
  const std::uintmax_t bytes = std::filesystem::file_size(file, sizeError);
  if (!sizeError) RefuseOversizedRoomMap(file, bytes);
  RoomMap room;
  room.map = ReadLevelMap(file);
  for (const MapEntity& entity : room.map.entities) {
    if (entity.className != "quilla_connector" || !entity.origin) continue;
    room.connectors.push_back(
        {*entity.origin, SmallWhole(entity.block->Key("direction")), SmallWhole(entity.block->Key("size"))});
  }
  return room;
}

}  // namespace

RoomMap ReadRoomMap(const std::filesystem::path& file) {
  return IsRoomFile(file) ? ReadDeployedRoom(file) : ReadDesignerMap(file);
}

}  // namespace vendrel::preview
