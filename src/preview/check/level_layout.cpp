#include "level_layout.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace vendrel::preview {
namespace {

constexpr double kTouch = 0.5;

bool Sound(const MapBrush& brush) { return brush.planeProblem.empty() && brush.hull.HasSolid(); }

std::vector<LayoutRoom> GroupRooms(const LevelMap& map) {
  std::vector<LayoutRoom> rooms;
  std::optional<long long> expected;
  std::size_t joined = 0, world = 0;
  for (std::size_t i = 0; i < map.brushes.size(); ++i) {
    const MapBrush& brush = map.brushes[i];
    if (!brush.world || !Sound(brush)) continue;
    ++world;
    // Each solid takes one identifier and one per side; a gap is another room's entities.
    const bool follows = brush.id && expected && *brush.id == *expected;
    if (follows) ++joined;
    if (!follows || rooms.empty()) rooms.emplace_back();
    rooms.back().brushes.push_back(i);
    expected = brush.id ? std::optional<long long>(*brush.id + 1 + static_cast<long long>(brush.sides.size())) : std::nullopt;
  }
  if (joined * 2 < world) {
    // Not numbered room by room: one room.
    LayoutRoom all;
    for (const LayoutRoom& room : rooms) all.brushes.insert(all.brushes.end(), room.brushes.begin(), room.brushes.end());
    rooms.assign(1, std::move(all));
  }
  for (LayoutRoom& room : rooms) {
    room.low = map.brushes[room.brushes.front()].hull.low;
    room.high = map.brushes[room.brushes.front()].hull.high;
    for (std::size_t b : room.brushes) {
      const BrushHull& hull = map.brushes[b].hull;
      room.low = {std::min(room.low.x, hull.low.x), std::min(room.low.y, hull.low.y), std::min(room.low.z, hull.low.z)};
      room.high = {std::max(room.high.x, hull.high.x), std::max(room.high.y, hull.high.y), std::max(room.high.z, hull.high.z)};
    }
  }
  return rooms;
}

double Axis(Vec3 v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

Vec3 WithAxis(Vec3 v, int axis, double value) {
  if (axis == 0) v.x = value;
  else if (axis == 1) v.y = value;
  else v.z = value;
  return v;
}

// Open, with a floor under it: the space outside a room's walls, inside its bounds, is
// open too but has nothing to stand on.
bool Walkable(const SolidGrid& grid, SolidGrid::Cell cell, double floorLimit) {
  if (!grid.Stored(cell) || grid.Solid(cell)) return false;
  const int lowest = grid.CellOf({0, 0, floorLimit}).z;
  for (SolidGrid::Cell below = cell; below.z >= lowest; --below.z) {
    if (grid.Solid(below)) return true;
  }
  return false;
}

// Openings through the wall two rooms share along `axis` at `wall`: runs of cells along
// the wall, over the height both rooms have, open on both sides.
void FindOpenings(const SolidGrid& grid, std::size_t a, std::size_t b, const LayoutRoom& ra, const LayoutRoom& rb,
                  int axis, double wall, std::vector<Doorway>& doorways) {
  const int along = axis == 0 ? 1 : 0;
  const double size = grid.CellSize();
  const double from = std::max(Axis(ra.low, along), Axis(rb.low, along));
  const double to = std::min(Axis(ra.high, along), Axis(rb.high, along));
  const double bottom = std::max(ra.low.z, rb.low.z);
  const double top = std::min(ra.high.z, rb.high.z);
  if (to - from < size || top - bottom < size) return;
  bool inRun = false;
  double runStart = 0, runEnd = 0;
  const auto close = [&] {
    if (!inRun) return;
    Vec3 p = WithAxis(WithAxis({}, axis, wall), along, runStart);
    Vec3 q = WithAxis(WithAxis({}, axis, wall), along, runEnd);
    p.z = q.z = bottom;
    doorways.push_back({a, b, p, q});
    inRun = false;
  };
  for (double s = from + size / 2; s < to; s += size) {
    bool open = false;
    for (double z = bottom + size / 2; z < top && !open; z += size) {
      const Vec3 here = WithAxis(WithAxis({0, 0, z}, along, s), axis, wall);
      const SolidGrid::Cell near = grid.CellOf(WithAxis(here, axis, wall - size / 2));
      const SolidGrid::Cell far = grid.CellOf(WithAxis(here, axis, wall + size / 2));
      open = Walkable(grid, near, bottom) && Walkable(grid, far, bottom);
    }
    if (open) {
      if (!inRun) runStart = s - size / 2;
      inRun = true;
      runEnd = s + size / 2;
    } else {
      close();
    }
  }
  close();
}

std::optional<std::size_t> RoomHolding(const std::vector<LayoutRoom>& rooms, Vec3 point) {
  for (std::size_t r = 0; r < rooms.size(); ++r) {
    const LayoutRoom& room = rooms[r];
    if (point.x >= room.low.x && point.x <= room.high.x && point.y >= room.low.y && point.y <= room.high.y &&
        point.z >= room.low.z && point.z <= room.high.z) {
      return r;
    }
  }
  return std::nullopt;
}

}  // namespace

bool EndsLevel(const MapEntity& entity) {
  return entity.className == "game_end" || entity.className == "trigger_changelevel" || entity.className == "game_text";
}

LevelLayout FindLayout(const LevelMap& map, const SolidGrid& grid) {
  LevelLayout layout;
  layout.rooms = GroupRooms(map);
  std::vector<LayoutRoom>& rooms = layout.rooms;
  // Rooms sorted by their west edge, so each looks only at the rooms that may touch it.
  std::vector<std::size_t> order(rooms.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t l, std::size_t r) { return rooms[l].low.x < rooms[r].low.x; });
  for (std::size_t i = 0; i < order.size(); ++i) {
    const LayoutRoom& ra = rooms[order[i]];
    for (std::size_t j = i + 1; j < order.size() && rooms[order[j]].low.x <= ra.high.x + kTouch; ++j) {
      const LayoutRoom& rb = rooms[order[j]];
      for (int axis = 0; axis < 2; ++axis) {
        if (std::fabs(Axis(ra.high, axis) - Axis(rb.low, axis)) < kTouch) {
          FindOpenings(grid, order[i], order[j], ra, rb, axis, Axis(ra.high, axis), layout.doorways);
        } else if (std::fabs(Axis(rb.high, axis) - Axis(ra.low, axis)) < kTouch) {
          FindOpenings(grid, order[i], order[j], ra, rb, axis, Axis(ra.low, axis), layout.doorways);
        }
      }
    }
  }

  for (const MapEntity& entity : map.entities) {
    if (!entity.origin) continue;
    if (entity.className == "info_player_start" && !layout.startRoom) layout.startRoom = RoomHolding(rooms, *entity.origin);
    if (EndsLevel(entity) && !layout.endRoom) layout.endRoom = RoomHolding(rooms, *entity.origin);
  }
  if (rooms.empty()) return layout;
  const std::size_t start = layout.startRoom.value_or(0);
  std::vector<std::vector<std::size_t>> links(rooms.size());
  for (const Doorway& doorway : layout.doorways) {
    links[doorway.from].push_back(doorway.to);
    links[doorway.to].push_back(doorway.from);
  }
  std::deque<std::size_t> queue{start};
  rooms[start].steps = 0;
  int deepest = 0;
  while (!queue.empty()) {
    const std::size_t room = queue.front();
    queue.pop_front();
    deepest = std::max(deepest, rooms[room].steps);
    for (std::size_t next : links[room]) {
      if (rooms[next].steps >= 0) continue;
      rooms[next].steps = rooms[room].steps + 1;
      queue.push_back(next);
    }
  }
  const int toEnd = layout.endRoom && rooms[*layout.endRoom].steps > 0 ? rooms[*layout.endRoom].steps : deepest;
  for (LayoutRoom& room : rooms) room.depth = toEnd > 0 && room.steps >= 0 ? static_cast<double>(room.steps) / toEnd : 0;
  return layout;
}

}  // namespace vendrel::preview
