#include "room_map.h"

#include <algorithm>

#include "number_text.h"
#include "room_file.h"
#include "room_text.h"

namespace vendrel::preview {
namespace {

bool IsRoomFile(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".rgr";
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
    const auto x = ParseNumber(header[at]), y = ParseNumber(header[at + 1]), z = ParseNumber(header[at + 2]);
    const auto size = ParseNumber(header[at + 3]);
    if (x && y && z) room.connectors.push_back({{*x, *y, *z}, d, size ? static_cast<int>(*size) : 0});
  }
  return room;
}

RoomMap ReadDesignerMap(const std::filesystem::path& file) {
  RoomMap room;
  room.map = ReadLevelMap(file);
  for (const MapEntity& entity : room.map.entities) {
    if (entity.className != "quilla_connector" || !entity.origin) continue;
    const std::string* direction = entity.block->Key("direction");
    const std::string* size = entity.block->Key("size");
    const auto d = direction ? ParseNumber(*direction) : std::nullopt;
    const auto s = size ? ParseNumber(*size) : std::nullopt;
    room.connectors.push_back({*entity.origin, d ? static_cast<int>(*d) : 0, s ? static_cast<int>(*s) : 0});
  }
  return room;
}

}  // namespace

RoomMap ReadRoomMap(const std::filesystem::path& file) {
  return IsRoomFile(file) ? ReadDeployedRoom(file) : ReadDesignerMap(file);
}

}  // namespace vendrel::preview
