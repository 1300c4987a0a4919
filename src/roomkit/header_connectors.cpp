#include "header_connectors.h"

#include <string>

#include "number_text.h"
#include "room_rotation.h"
#include "scan_values.h"

namespace vendrel::roomkit {

void ReadTurnedConnectors(const MapItems& room, RoomHeader& header) {
  std::string origin, className;
  int size = 0;
  int direction = 0;
  int depth = -1;
  for (std::size_t i = 0; i < room.items.size(); ++i) {
    const std::string& item = room.items[i];
    if (item == "entity") {
      depth = 0;
    } else if (item == "{") {
      if (depth != -1) ++depth;
    } else if (item == "}") {
      if (depth != -1 && --depth == 0) {
        depth = -1;
        const auto d = static_cast<std::size_t>(direction);
        if (className == "quilla_connector" && d < header.connectors.size()) {
          const FiveFields position = SSplit(origin);
          header.connectors[d] = {true, position.f1, position.f2, position.f3, size};
        }
      }
    } else if (item == "origin") {
      origin = ValueAfter(room, i++);
    } else if (item == "classname") {
      className = ValueAfter(room, i++);
    } else if (item == "size") {
      size = ByteValue(item, ValueAfter(room, i), ValueLine(room, i));
      ++i;
    } else if (item == "direction") {
      direction = ByteValue(item, ValueAfter(room, i), ValueLine(room, i));
      ++i;
    }
  }
}

void RotateConnections(RoomHeader& header, int rotations) {
  auto& c = header.connectors;
  RotateValues(c[0], c[1], c[2], c[3], rotations);
}

}  // namespace vendrel::roomkit
