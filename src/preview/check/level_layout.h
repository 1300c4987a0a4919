#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "level_map.h"
#include "solid_grid.h"
#include "vec3.h"

namespace vendrel::preview {

struct LayoutRoom {
  std::vector<std::size_t> brushes;  // indices into LevelMap::brushes
  Vec3 low, high;
  int steps = -1;     // doorways from the start room, -1 when no way leads here
  double depth = 0;   // share of the way from the start (0) to the level end (1)
};

struct Doorway {
  std::size_t from = 0, to = 0;  // rooms
  Vec3 a, b;                     // the opening's ends on the floor plan
};

// The rooms of a level read back and the doorways between them.
struct LevelLayout {
  std::vector<LayoutRoom> rooms;
  std::vector<Doorway> doorways;
  std::optional<std::size_t> startRoom, endRoom;
};

// True for the entities that end a level: the engine's own, or the message an end room
// shows.
bool EndsLevel(const MapEntity& entity);

// Rooms are the runs of world brushes whose identifiers follow on one another, as the
// generator numbers each room apart; a map made by hand is one room. Rooms whose shared
// wall has open cells with a floor under them on both sides in `grid` meet at a doorway;
// depths count doorways from the room of the player start.
LevelLayout FindLayout(const LevelMap& map, const SolidGrid& grid);

}  // namespace vendrel::preview
