#include "level_map.h"

#include <cmath>

#include "number_text.h"

namespace vendrel::preview {
namespace {

bool ParsePlane(const std::string& text, SidePlane& plane) {
  const ThreePartViews groups = CSplitViews(text);
  const std::string_view parts[3] = {groups.first, groups.second, groups.third};
  for (int p = 0; p < 3; ++p) {
    const FiveFieldViews fields = SSplitViews(parts[p]);
    const auto x = ParseNumber(fields.f1);
    const auto y = ParseNumber(fields.f2);
    const auto z = ParseNumber(fields.f3);
    if (!x || !y || !z || !std::isfinite(*x) || !std::isfinite(*y) || !std::isfinite(*z)) return false;
    plane.points[p] = {*x, *y, *z};
  }
  return true;
}

MapBrush ReadBrush(const MapBlock& solid, bool world) {
  MapBrush brush;
  brush.id = solid.Id();
  brush.line = solid.line;
  brush.world = world;
  for (const MapBlock& side : solid.children) {
    if (side.name != "side") continue;
    const std::string* plane = side.Key("plane");
    SidePlane parsed;
    if (plane == nullptr || !ParsePlane(*plane, parsed)) {
      if (brush.planeProblem.empty()) {
        brush.planeProblem = plane == nullptr ? "a side has no plane" : "the plane \"" + *plane + "\" is not three points";
        brush.planeProblemLine = side.line;
      }
      continue;
    }
    brush.sides.push_back(parsed);
    brush.sideLines.push_back(side.line);
    brush.sideIds.push_back(side.Id());
  }
  if (brush.planeProblem.empty()) brush.hull = BuildHull(brush.sides);
  return brush;
}

MapEntity ReadEntity(const MapBlock& block) {
  MapEntity entity;
  entity.block = &block;
  entity.line = block.line;
  entity.id = block.Id();
  if (const std::string* name = block.Key("classname")) entity.className = *name;
  if (const std::string* name = block.Key("targetname")) entity.targetName = *name;
  if (const std::string* origin = block.Key("origin")) entity.origin = ParseVector(*origin);
  for (const MapBlock& child : block.children) {
    if (child.name != "connections") continue;
    for (const MapKey& output : child.keys) {
      // Newer editors part the fields with an escape character, older ones with commas.
      const std::size_t end = output.value.find_first_of(",\x1b");
      entity.outputs.push_back({output.key, output.value.substr(0, end), output.line});
    }
  }
  return entity;
}

}  // namespace

std::optional<Vec3> ParseVector(const std::string& text) {
  const FiveFieldViews fields = SSplitViews(text);
  const auto x = ParseNumber(fields.f1);
  const auto y = ParseNumber(fields.f2);
  const auto z = ParseNumber(fields.f3);
  if (!x || !y || !z || !std::isfinite(*x) || !std::isfinite(*y) || !std::isfinite(*z)) return std::nullopt;
  return Vec3{*x, *y, *z};
}

LevelMap LevelMapFromItems(const LinedItems& items) {
  LevelMap map;
  map.root = ParseBlocks(items, map.structureProblems);
  for (const MapBlock& block : map.root.children) {
    if (block.name == "world") {
      map.hasWorld = true;
      for (const MapBlock& solid : block.children) {
        if (solid.name == "solid") map.brushes.push_back(ReadBrush(solid, true));
      }
    } else if (block.name == "entity") {
      map.entities.push_back(ReadEntity(block));
      for (const MapBlock& solid : block.children) {
        if (solid.name == "solid") map.brushes.push_back(ReadBrush(solid, false));
      }
    } else if (block.name == "solid") {
      // A room file's body holds its world brushes without the world block around them.
      map.brushes.push_back(ReadBrush(block, true));
    }
  }
  return map;
}

LevelMap ReadLevelMap(const std::filesystem::path& file) {
  LevelMap map = LevelMapFromItems(ReadLinedItems(file));
  map.file = file;
  return map;
}

}  // namespace vendrel::preview
