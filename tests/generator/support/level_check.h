#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "compile_main.h"
#include "map_blocks.h"
#include "map_check.h"
#include "number_text.h"
#include "room_file.h"

// Reads a written level file back and checks that it is a sound map, as the map compiler
// judges it and beyond: taking from the run which cell hangs on which and which
// identifiers each room got.
namespace vendrel::testing {

using preview::MapBlock;
using preview::MapKey;

using Point = std::array<double, 3>;

inline std::vector<Point> PlanePoints(const MapBlock& solid) {
  std::vector<Point> points;
  for (const MapBlock& side : solid.children) {
    const std::string* plane = side.Key("plane");
    if (side.name != "side" || plane == nullptr) continue;
    const ThreePartViews groups = CSplitViews(*plane);
    for (const std::string_view group : {groups.first, groups.second, groups.third}) {
      const FiveFields fields = SSplit(group);
      points.push_back({NumberOrThrow(fields.f1), NumberOrThrow(fields.f2), NumberOrThrow(fields.f3)});
    }
  }
  return points;
}

inline Point Turned(Point point, int turns) {
  for (int i = 0; i < turns; ++i) point = {point[1], -point[0], point[2]};
  return point;
}

inline bool Near(const Point& a, const Point& b) {
  return std::fabs(a[0] - b[0]) < 1e-3 && std::fabs(a[1] - b[1]) < 1e-3 && std::fabs(a[2] - b[2]) < 1e-3;
}

struct Box {
  Point low{1e300, 1e300, 1e300}, high{-1e300, -1e300, -1e300};
  void Add(const Point& p) {
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], p[a]);
      high[a] = std::max(high[a], p[a]);
    }
  }
  bool Overlaps(const Box& other) const {
    for (int a = 0; a < 3; ++a) {
      if (low[a] >= other.high[a] - 0.01 || other.low[a] >= high[a] - 0.01) return false;
    }
    return true;
  }
};

struct PlacedConnector {
  Point position;
  int size;
};

inline std::string PointText(const Point& p) {
  return FormatNumber(p[0]) + " " + FormatNumber(p[1]) + " " + FormatNumber(p[2]);
}

// Every problem found; empty for a sound level.
inline std::vector<std::string> CheckLevel(const std::filesystem::path& levelFile, const RunOutcome& outcome) {
  std::vector<std::string> problems;
  const preview::LinedItems read = preview::ReadLinedItems(levelFile);
  const std::vector<std::string>& items = read.items;
  std::vector<preview::BlockProblem> blockProblems;
  const MapBlock root = preview::ParseBlocks(read, blockProblems);
  // Brushes and output targets as the map compiler judges them; the seal is left to the
  // callers whose rooms are closed.
  const preview::LevelMap map = preview::ReadLevelMap(levelFile);
  for (const auto& findings : {preview::CheckBrushes(map), preview::CheckOutputs(map)}) {
    for (const preview::Finding& finding : findings) problems.push_back(preview::FindingText(finding));
  }
  if (std::find(items.begin(), items.end(), "Insert ID Here") != items.end()) {
    problems.push_back("an identifier placeholder is left");
  }

  const MapBlock* world = nullptr;
  std::vector<const MapBlock*> entities;
  for (const MapBlock& block : root.children) {
    if (block.name == "world") {
      if (world != nullptr) problems.push_back("a second world block");
      world = &block;
    } else if (block.name == "entity") {
      entities.push_back(&block);
    } else if (block.name != "versioninfo" && block.name != "visgroups") {
      problems.push_back("an unexpected top-level block " + block.name);
    }
  }
  if (world == nullptr) return problems.push_back("no world block"), problems;
  if (world->Id() != 1 || !world->Key("classname") || *world->Key("classname") != "worldspawn") {
    problems.push_back("the world is not worldspawn with identifier 1");
  }

  // Identifiers: unique over the whole file.
  std::set<long long> ids;
  std::vector<const MapBlock*> walk{&root};
  while (!walk.empty()) {
    const MapBlock* block = walk.back();
    walk.pop_back();
    for (const MapKey& key : block->keys) {
      if (key.key != "id") continue;
      const auto id = ParseNumber(key.value);
      if (!id) problems.push_back("the identifier \"" + key.value + "\" is not a number");
      else if (!ids.insert(static_cast<long long>(*id)).second) problems.push_back("identifier " + key.value + " twice");
    }
    for (const MapBlock& child : block->children) walk.push_back(&child);
  }

  // Which room an identifier belongs to.
  auto roomOf = [&outcome](std::optional<long long> id) -> int {
    if (!id) return -1;
    for (std::size_t r = 0; r < outcome.rooms.size(); ++r) {
      if (*id >= outcome.rooms[r].firstId && *id < outcome.rooms[r].endId) return static_cast<int>(r);
    }
    return -1;
  };

  // Brushes: each world solid belongs to a room; solids of different rooms never overlap.
  std::vector<std::pair<int, Box>> boxes;
  std::map<int, const MapBlock*> lastSolid;
  for (const MapBlock& solid : world->children) {
    if (solid.name != "solid") continue;
    const int room = roomOf(solid.Id());
    if (room < 0) {
      problems.push_back("a world brush belongs to no room");
      continue;
    }
    Box box;
    for (const Point& p : PlanePoints(solid)) box.Add(p);
    boxes.emplace_back(room, box);
    lastSolid[room] = &solid;
  }
  for (std::size_t a = 0; a < boxes.size(); ++a) {
    for (std::size_t b = a + 1; b < boxes.size(); ++b) {
      if (boxes[a].first != boxes[b].first && boxes[a].second.Overlaps(boxes[b].second)) {
        problems.push_back("brushes of cells " + std::to_string(boxes[a].first + 1) + " and " +
                           std::to_string(boxes[b].first + 1) + " overlap");
      }
    }
  }

  // Where each room went, from its last world brush against the room file's, and so
  // where its connectors lie in the level.
  std::vector<std::vector<PlacedConnector>> connectors(outcome.rooms.size());
  for (std::size_t r = 0; r < outcome.rooms.size(); ++r) {
    const PlacedRoom& placed = outcome.rooms[r];
    const auto found = lastSolid.find(static_cast<int>(r));
    if (found == lastSolid.end()) {
      problems.push_back("cell " + std::to_string(r + 1) + " has no world brush");
      continue;
    }
    Items body = ReadRoomBody(placed.file);
    const auto worldEnd = std::find(body.begin(), body.end(), kWorldEndMarker);
    body.erase(worldEnd, body.end());
    body.push_back("}");
    std::vector<preview::BlockProblem> ignored;
    const MapBlock roomWorld = preview::ParseBlocks({body, std::vector<std::size_t>(body.size(), 0)}, ignored);
    const MapBlock* roomSolid = nullptr;
    for (const MapBlock& solid : roomWorld.children) {
      if (solid.name == "solid") roomSolid = &solid;
    }
    const std::vector<Point> levelPoints = PlanePoints(*found->second);
    const std::vector<Point> roomPoints = roomSolid ? PlanePoints(*roomSolid) : std::vector<Point>{};
    if (levelPoints.empty() || levelPoints.size() != roomPoints.size()) {
      problems.push_back("cell " + std::to_string(r + 1) + "'s last brush is not its room's");
      continue;
    }
    const Point origin = Turned(roomPoints[0], placed.turns);
    const Point offset{levelPoints[0][0] - origin[0], levelPoints[0][1] - origin[1],
                       levelPoints[0][2] - origin[2]};
    for (std::size_t i = 0; i < roomPoints.size(); ++i) {
      const Point turned = Turned(roomPoints[i], placed.turns);
      if (!Near(levelPoints[i], {turned[0] + offset[0], turned[1] + offset[1], turned[2] + offset[2]})) {
        problems.push_back("cell " + std::to_string(r + 1) + "'s brush is not its room's, turned and moved");
        break;
      }
    }
    const auto header = ReadRoomHeader(placed.file);
    for (int d = 0; d < 4; ++d) {
      const std::size_t at = 3 + 4 * static_cast<std::size_t>(d);
      if (header[at].empty()) continue;
      const Point turned = Turned({NumberOrThrow(header[at]), NumberOrThrow(header[at + 1]),
                                   NumberOrThrow(header[at + 2])},
                                  placed.turns);
      connectors[r].push_back({{turned[0] + offset[0], turned[1] + offset[1], turned[2] + offset[2]},
                               static_cast<int>(NumberOrThrow(header[at + 3]))});
    }
  }

  // Every room's entry doorway lies on its entry cell's, and the two are the same size.
  for (std::size_t r = 0; r < outcome.plan.size() && r < outcome.rooms.size(); ++r) {
    const int from = outcome.plan[r].from;
    if (from == 0) continue;
    bool met = false;
    for (const PlacedConnector& own : connectors[r]) {
      for (const PlacedConnector& theirs : connectors[static_cast<std::size_t>(from - 1)]) {
        if (!Near(own.position, theirs.position)) continue;
        met = true;
        if (own.size != theirs.size) {
          problems.push_back("cell " + std::to_string(r + 1) + " meets cell " + std::to_string(from) +
                             " with size " + std::to_string(own.size) + " against " +
                             std::to_string(theirs.size));
        }
      }
    }
    if (!met) {
      problems.push_back("cell " + std::to_string(r + 1) + "'s doorway is not on cell " +
                         std::to_string(from) + "'s");
    }
  }

  // Every doorway opens onto another room's doorway of its size: none opens onto the void.
  for (std::size_t r = 0; r < connectors.size(); ++r) {
    for (const PlacedConnector& own : connectors[r]) {
      bool met = false;
      for (std::size_t other = 0; other < connectors.size(); ++other) {
        if (other == r) continue;
        for (const PlacedConnector& theirs : connectors[other]) {
          met |= Near(own.position, theirs.position) && own.size == theirs.size;
        }
      }
      if (!met) {
        problems.push_back("cell " + std::to_string(r + 1) + "'s doorway at " + PointText(own.position) +
                           " opens onto no doorway of its size");
      }
    }
  }

  // Entities: no placeholder left, names never shared between rooms or entities, every
  // train stop's target present, one player start with its light and sun (outputs are the
  // level check's).
  std::map<std::string, int> classes;
  std::map<std::string, int> nameOwner;  // lower-case name -> entity count
  for (const MapBlock* entity : entities) {
    const std::string* className = entity->Key("classname");
    if (className == nullptr) {
      problems.push_back("an entity without a class");
      continue;
    }
    ++classes[*className];
    if (className->starts_with("quilla_") || className->starts_with("func_quilla_")) {
      problems.push_back("the placeholder " + *className + " is left");
    }
    if (const std::string* name = entity->Key("targetname"); name && !name->empty()) {
      if (++nameOwner[*name] > 1) problems.push_back("the entity name " + *name + " is used twice");
    }
  }
  for (const MapBlock* entity : entities) {
    // A train's path and each of its stops name the next stop.
    if (const std::string* target = entity->Key("target"); target && !nameOwner.contains(*target)) {
      const std::string* className = entity->Key("classname");
      problems.push_back("the target " + *target + " of a " + (className ? *className : "entity") +
                         " is not in the level");
    }
  }
  for (const char* single : {"info_player_start", "light_environment", "env_sun"}) {
    if (classes[single] != 1) {
      problems.push_back(std::to_string(classes[single]) + " entities of class " + single);
    }
  }
  return problems;
}

}  // namespace vendrel::testing
