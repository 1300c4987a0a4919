#include "room_rotation.h"

#include "number_text.h"
#include "room_transform.h"

namespace vendrel {

void Rotator(Items& room, int rotations) { TransformRoom(room, rotations, std::nullopt); }

void Rotate90(Items& room) { Rotator(room, 1); }

std::string r90_Co(std::string_view number, bool x) {
  if (x || number.empty()) return std::string(number);
  return NumberOrThrow(number) < 0 ? Pos(number) : Neg(number);
}

void R90(int rotations, std::string& xValue, std::string& yValue) {
  for (int turn = 0; turn < rotations; ++turn) {
    std::string oldX = std::move(xValue);
    xValue = r90_Co(yValue, true);
    yValue = r90_Co(oldX, false);
  }
}

void RotateConnections(std::array<RoomConnector, 4>& connectors, int rotations) {
  RotateValues(connectors[0], connectors[1], connectors[2], connectors[3], rotations);
  for (RoomConnector& connector : connectors) R90(rotations, connector.x, connector.y);
}

}  // namespace vendrel
