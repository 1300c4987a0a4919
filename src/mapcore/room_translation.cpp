#include "room_translation.h"

#include "room_transform.h"

namespace vendrel {

TranslationResult TurnAndMove(Items& room, int rotations, const Vec3& offset,
                              ConnectorPositions& cellConnectors) {
  for (Vec3& connector : cellConnectors) {
    connector.x += offset.x;
    connector.y += offset.y;
    connector.z += offset.z;
  }
  return TransformRoom(room, rotations, offset);
}

TranslationResult SetOrigins(Items& room, const Vec3& offset, ConnectorPositions& cellConnectors) {
  return TurnAndMove(room, 0, offset, cellConnectors);
}

}  // namespace vendrel
