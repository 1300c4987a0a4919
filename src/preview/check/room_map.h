#pragma once

#include <filesystem>
#include <vector>

#include "level_map.h"
#include "vec3.h"

namespace vendrel::preview {

struct ConnectorMark {
  Vec3 origin;
  int direction = 0;  // 0 north (+y), 1 east, 2 south, 3 west
  int size = 0;
};

struct RoomMap {
  LevelMap map;
  std::vector<ConnectorMark> connectors;
};

// A designer's room map (.vmf) or a deployed room file (.rgr). A room file's connectors
// come from its header, where they stand turned with the room; a map's from its
// quilla_connector entities. Throws MapFormatError when the file cannot be read.
RoomMap ReadRoomMap(const std::filesystem::path& file);

}  // namespace vendrel::preview
