#pragma once

#include <array>
#include <string>
#include <vector>

#include "room_text.h"

namespace vendrel {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

// The four placed connector positions of one maze cell, by direction 0 north to 3 west.
using ConnectorPositions = std::array<Vec3, 4>;

// A room whose brushes leave the world bounds this often is given up.
inline constexpr int kBoundaryErrorLimit = 10;

struct TranslationResult {
  // The first point of each plane that left the world bounds, as it read before the move.
  std::vector<std::string> boundaryErrors;
  // The limit was reached: the move stopped at that plane and the room is only partly moved.
  bool aborted = false;
};

// Moves the turned room onto its cell: adds `offset` to the cell's connector positions and
// to every position in the room, and shifts texture offsets so textures stay on their
// brushes. Keys compare exactly. A "startposition" moves only in its bracketed vector form.
// The first point of every plane is tested against the world bounds. Throws
// RoomValueError when a field it must add to is not a number or a texture scale is zero.
TranslationResult SetOrigins(Items& room, const Vec3& offset, ConnectorPositions& cellConnectors);
// Rotator(room, rotations) and then SetOrigins, in one walk over the room's items.
TranslationResult TurnAndMove(Items& room, int rotations, const Vec3& offset,
                              ConnectorPositions& cellConnectors);

}  // namespace vendrel
