// The room library that ships: every source deploys through the kit, and every deployed
// room keeps the one standard that lets any two rooms meet at their doorways.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <set>
#include <tuple>

#include "deployment.h"
#include "item_tokenizer.h"
#include "kit_test_support.h"
#include "room_blocks.h"
#include "room_cells.h"
#include "room_file.h"
#include "room_type.h"
#include "room_walk.h"

namespace vendrel::roomkit {
namespace {

using namespace testing;

const std::filesystem::path kRoomSources = std::filesystem::path(VENDREL_DATA_SOURCES) / "rooms";

std::vector<std::string> RoomSources() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kRoomSources)) {
    if (entry.path().extension() == ".vmf") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Where the doorway of each direction opens: the middle of its wall, from the wall's inner
// face (496) to the footprint's edge (512), from the floor up. A size 1 doorway is 128 wide
// and 128 high, a size 2 gate 256 wide and 192 high.
struct Doorway {
  double x0, y0, x1, y1;
  double halfWidth, height;
};
Doorway DoorwayOf(int direction, int size) {
  const double half = size == 2 ? 128 : 64;
  const double height = size == 2 ? 192 : 128;
  switch (direction) {
    case 0: return {-half, 496, half, 512, half, height};
    case 1: return {496, -half, 512, half, half, height};
    case 2: return {-half, -512, half, -496, half, height};
    default: return {-512, -half, -496, half, half, height};
  }
}

struct PlacedBrush {
  Brush brush;
  std::string owner;      // "world" or the class of the entity that holds it
  std::string groupName;  // the targetname of a spawn group
};

struct DeployedRoom {
  std::array<std::string, kRoomHeaderItems> header;
  RoomBlocks blocks;
  std::vector<PlacedBrush> brushes;
  std::vector<std::string> questionsAsked;
};

DeployedRoom DeploySource(const std::string& name) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kRoomSources / (name + ".vmf"));
  EXPECT_EQ(result.outcome, DeployOutcome::Deployed) << result.fault;
  DeployedRoom room;
  for (const auto& message : kit.host.messages) {
    if (message.title != "Complete!") room.questionsAsked.push_back(message.title);
  }
  if (result.outcome != DeployOutcome::Deployed) return room;
  room.header = ReadRoomHeader(result.roomFile);
  room.blocks = ReadBlocks(ReadRoomBody(result.roomFile));
  for (const Block& solid : room.blocks.worldSolids)
    room.brushes.push_back({Brush(solid), "world", ""});
  for (const Block& entity : room.blocks.entities) {
    for (const Block& child : entity.children) {
      if (child.name == "solid") {
        room.brushes.push_back(
            {Brush(child), entity.ClassName(), entity.Key("targetname").value_or("")});
      }
    }
  }
  return room;
}

int TypeOf(const DeployedRoom& room) { return RoomTypeCode(room.header[2]).value_or(-1); }

std::vector<int> ConnectorDirections(int type) {
  const DirectionFlags pattern = GetRoomId(std::to_string(type)).pattern;
  std::vector<int> directions;
  for (int d = 0; d < 4; ++d) {
    if (pattern[static_cast<std::size_t>(d)]) directions.push_back(d);
  }
  return directions;
}

// The size in the header's connector group of a direction; 0 when it is not 1 or 2.
int ConnectorSize(const DeployedRoom& room, int direction) {
  const std::string& size = room.header[static_cast<std::size_t>(6 + 4 * direction)];
  return size == "1" ? 1 : size == "2" ? 2 : 0;
}

Doorway DoorwayOf(const DeployedRoom& room, int direction) {
  return DoorwayOf(direction, ConnectorSize(room, direction));
}

bool IsPointEntityToReach(const Block& entity) {
  if (entity.ClassName() == "quilla_connector" || !entity.Key("origin")) return false;
  return std::none_of(entity.children.begin(), entity.children.end(),
                      [](const Block& child) { return child.name == "solid"; });
}

// Volumes that hold no matter: a thing may stand in them, and nobody stands on them.
bool IsVolume(const std::string& owner) { return owner == "trigger_once" || owner == "func_ladder"; }

// What is always there to stand on: not a volume, nor a spawn group that a level may leave out.
bool IsAlwaysThere(const std::string& owner) {
  return !IsVolume(owner) && owner != "func_quilla_spawngroup";
}

// Fills the air reachable from the first doorway through cells not in `solid`, and
// reports a cell on the edge of the space outside every doorway: a leak.
std::vector<bool> Fill(const Cells& cells, const std::vector<bool>& solid, const Doorway& door,
                       const std::set<std::size_t>& doorwayCells, std::string& leak) {
  std::vector<bool> reached(cells.Count(), false);
  std::deque<std::size_t> open;
  cells.ForEachIn(door.x0, door.y0, 0, door.x1, door.y1, door.height,
                  [&](std::size_t index, const Vec3&) {
                    if (!solid[index] && !reached[index]) {
                      reached[index] = true;
                      open.push_back(index);
                    }
                  });
  while (!open.empty()) {
    const std::size_t index = open.front();
    open.pop_front();
    if (cells.OnBoundary(index) && !doorwayCells.contains(index) && leak.empty()) {
      leak = "air reaches the edge of the room's space at cell " + std::to_string(index);
    }
    for (const std::size_t next : cells.Neighbours(index)) {
      if (!solid[next] && !reached[next]) {
        reached[next] = true;
        open.push_back(next);
      }
    }
  }
  return reached;
}

// The room's brushes in cells: which brush holds each cell, which cells the world holds,
// and which pairs of brushes share a cell.
struct Voxels {
  Cells cells;
  std::vector<int> owner;
  std::vector<bool> world;
  std::set<std::pair<int, int>> overlaps;
  std::vector<int> emptyBrushes;
};

std::pair<Vec3, Vec3> Bounds(const Brush& brush) {
  Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
  for (const Vec3& p : brush.points) {
    for (std::size_t a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], p[a]);
      hi[a] = std::max(hi[a], p[a]);
    }
  }
  return {lo, hi};
}

Voxels Voxelise(const DeployedRoom& room) {
  double zMin = 1e9, zMax = -1e9;
  for (const PlacedBrush& placed : room.brushes) {
    for (const Vec3& p : placed.brush.points) {
      zMin = std::min(zMin, p[2]);
      zMax = std::max(zMax, p[2]);
    }
  }
  Voxels voxels{Cells(zMin, zMax), {}, {}, {}, {}};
  voxels.owner.assign(voxels.cells.Count(), -1);
  voxels.world.assign(voxels.cells.Count(), false);
  for (std::size_t b = 0; b < room.brushes.size(); ++b) {
    const PlacedBrush& placed = room.brushes[b];
    const auto [lo, hi] = Bounds(placed.brush);
    int inside = 0;
    voxels.cells.ForEachIn(lo[0], lo[1], lo[2], hi[0], hi[1], hi[2],
                           [&](std::size_t index, const Vec3& c) {
                             if (!placed.brush.Contains(c)) return;
                             ++inside;
                             int& owner = voxels.owner[index];
                             if (owner != -1) voxels.overlaps.emplace(owner, static_cast<int>(b));
                             owner = static_cast<int>(b);
                             if (placed.owner == "world") voxels.world[index] = true;
                           });
    if (inside == 0) voxels.emptyBrushes.push_back(static_cast<int>(b));
  }
  return voxels;
}

// What a player passes through: volumes, the spawn groups a level may leave out, doors
// that open and glass that breaks.
bool IsPassable(const std::string& owner) {
  return !IsAlwaysThere(owner) || owner == "func_door" || owner == "func_breakable";
}

std::optional<Brush> FirstBrush(const Block& entity) {
  for (const Block& child : entity.children) {
    if (child.name == "solid") return Brush(child);
  }
  return std::nullopt;
}

// The ground a train's platform covers on its way from stop to stop.
void MarkTrainPath(const DeployedRoom& room, const Block& train, const Cells& cells,
                   std::vector<bool>& support) {
  std::map<std::string, Vec3> stops;
  std::map<std::string, std::string> nextStop;
  for (const Block& entity : room.blocks.entities) {
    if (entity.ClassName() != "path_track") continue;
    const std::string name = entity.Key("targetname").value_or("");
    stops[name] = Point(entity.Key("origin").value_or(""));
    nextStop[name] = entity.Key("target").value_or("");
  }
  const auto brush = FirstBrush(train);
  const auto origin = train.Key("origin");
  if (!brush || !origin) return;
  const auto [lo, hi] = Bounds(*brush);
  const Vec3 start = Point(*origin);
  std::string at = train.Key("target").value_or("");
  for (std::size_t leg = 0; leg < stops.size() && stops.contains(at) && stops.contains(nextStop[at]); ++leg) {
    const Vec3 from = stops[at], to = stops[nextStop[at]];
    cells.ForEachIn(lo[0] + std::min(from[0], to[0]) - start[0], lo[1] + std::min(from[1], to[1]) - start[1],
                    lo[2], hi[0] + std::max(from[0], to[0]) - start[0],
                    hi[1] + std::max(from[1], to[1]) - start[1], hi[2],
                    [&](std::size_t index, const Vec3&) { support[index] = true; });
    at = nextStop[at];
  }
}

// The shaft a lift climbs, from its platform's top to where it stops.
void MarkLiftShaft(const Block& lift, const Cells& cells, std::vector<bool>& climb) {
  const auto brush = FirstBrush(lift);
  const auto distance = ParseNumber(lift.Key("movedistance").value_or(""));
  if (!brush || !distance) return;
  const auto [lo, hi] = Bounds(*brush);
  cells.ForEachIn(lo[0], lo[1], hi[2], hi[0], hi[1], hi[2] + *distance + Cells::kSize,
                  [&](std::size_t index, const Vec3&) { climb[index] = true; });
}

WalkMap WalkOf(const DeployedRoom& room, const Voxels& voxels) {
  const std::size_t count = voxels.cells.Count();
  std::vector<bool> matter(count, false), climb(count, false);
  for (std::size_t index = 0; index < count; ++index) {
    if (voxels.owner[index] == -1) continue;
    const std::string& owner = room.brushes[static_cast<std::size_t>(voxels.owner[index])].owner;
    matter[index] = !IsPassable(owner);
    climb[index] = owner == "func_ladder";
  }
  std::vector<bool> support = matter;
  for (const Block& entity : room.blocks.entities) {
    if (entity.ClassName() == "func_tracktrain") MarkTrainPath(room, entity, voxels.cells, support);
    if (entity.ClassName() == "func_movelinear") MarkLiftShaft(entity, voxels.cells, climb);
  }
  return WalkMap(voxels.cells, std::move(matter), std::move(support), std::move(climb));
}

class BundledRoom : public ::testing::TestWithParam<std::string> {};

TEST_P(BundledRoom, DeploysWithoutQuestionsAsAGenreZeroRoomInItsCanonicalOrientation) {
  const DeployedRoom room = DeploySource(GetParam());
  EXPECT_THAT(room.questionsAsked, ::testing::IsEmpty());
  EXPECT_FALSE(room.header[0].empty());
  EXPECT_EQ(room.header[1], "0");
  const int type = TypeOf(room);
  ASSERT_GE(type, 0);
  const std::array<std::array<const char*, 3>, 4> positions = {
      {{"0", "512", "0"}, {"512", "0", "0"}, {"0", "-512", "0"}, {"-512", "0", "0"}}};
  const std::vector<int> directions = ConnectorDirections(type);
  for (int d = 0; d < 4; ++d) {
    const auto group = static_cast<std::size_t>(3 + 4 * d);
    const std::vector<std::string> values(room.header.begin() + group,
                                          room.header.begin() + group + 4);
    if (std::find(directions.begin(), directions.end(), d) != directions.end()) {
      const auto& at = positions[static_cast<std::size_t>(d)];
      EXPECT_THAT(values, ::testing::ElementsAre(at[0], at[1], at[2], ::testing::AnyOf("1", "2")))
          << "direction " << d;
    } else {
      EXPECT_THAT(values, ::testing::Each("")) << "direction " << d;
    }
  }
}

TEST_P(BundledRoom, IsClosedBrushworkWithoutOverlapsAndDoorwaysThatLineUp) {
  const DeployedRoom room = DeploySource(GetParam());
  ASSERT_FALSE(room.brushes.empty());
  for (const PlacedBrush& placed : room.brushes) {
    for (const Vec3& p : placed.brush.points) {
      EXPECT_TRUE(p[0] >= -512 && p[0] <= 512 && p[1] >= -512 && p[1] <= 512)
          << placed.owner << " brush leaves the footprint";
    }
  }
  const Voxels voxels = Voxelise(room);
  const Cells& cells = voxels.cells;
  for (const int b : voxels.emptyBrushes) {
    ADD_FAILURE() << "a " << room.brushes[static_cast<std::size_t>(b)].owner
                  << " brush holds no space: its sides face inwards";
  }
  for (const auto& [first, second] : voxels.overlaps) {
    ADD_FAILURE() << "brushes " << first << " ("
                  << room.brushes[static_cast<std::size_t>(first)].owner << ") and " << second
                  << " (" << room.brushes[static_cast<std::size_t>(second)].owner << ") overlap";
  }

  const std::vector<int> directions = ConnectorDirections(TypeOf(room));
  ASSERT_FALSE(directions.empty());
  std::set<std::size_t> doorwayCells;
  for (const int d : directions) {
    const Doorway door = DoorwayOf(room, d);
    ASSERT_GT(door.height, 0);
    int open = 0, floor = 0, lintel = 0;
    cells.ForEachIn(door.x0, door.y0, -Cells::kSize, door.x1, door.y1, door.height + Cells::kSize,
                    [&](std::size_t index, const Vec3& c) {
                      if (c[2] < 0) {
                        floor += voxels.world[index] ? 1 : 0;
                      } else if (c[2] > door.height) {
                        lintel += voxels.world[index] ? 1 : 0;
                      } else {
                        doorwayCells.insert(index);
                        open += voxels.owner[index] == -1 ? 1 : 0;
                      }
                    });
    // Cells of 8 across the width, 2 deep in the wall, and up the height; floor below and
    // wall above across the whole width.
    const int across = static_cast<int>(2 * door.halfWidth / Cells::kSize);
    EXPECT_EQ(open, across * 2 * static_cast<int>(door.height / Cells::kSize))
        << "doorway " << d << " is not open";
    EXPECT_EQ(floor, across * 2) << "doorway " << d << " has no floor at the room's edge";
    EXPECT_EQ(lintel, across * 2) << "doorway " << d << " is not " << door.height << " high";
    // The way in is clear: nothing solid stands in the 32 units in front of the doorway.
    const double inward[4][4] = {{0, -32, 0, -16}, {-32, 0, -16, 0}, {0, 16, 0, 32}, {16, 0, 32, 0}};
    const auto& shift = inward[d];
    int blocked = 0;
    cells.ForEachIn(door.x0 + shift[0], door.y0 + shift[1], 0, door.x1 + shift[2], door.y1 + shift[3],
                    door.height, [&](std::size_t index, const Vec3&) {
                      const int owner = voxels.owner[index];
                      if (owner != -1 && !IsVolume(room.brushes[static_cast<std::size_t>(owner)].owner)) ++blocked;
                    });
    EXPECT_EQ(blocked, 0) << "something stands in front of doorway " << d;
    const bool alongX = d == 0 || d == 2;
    const double side = alongX ? door.y0 : door.x0;
    for (const double beside : {-door.halfWidth - Cells::kSize / 2, door.halfWidth + Cells::kSize / 2}) {
      const Vec3 wall = alongX ? Vec3{beside, side + Cells::kSize / 2, 64}
                               : Vec3{side + Cells::kSize / 2, beside, 64};
      EXPECT_TRUE(voxels.world[*cells.CellOf(wall)])
          << "doorway " << d << " is wider than " << 2 * door.halfWidth;
    }
  }

  std::string leak;
  const Doorway first = DoorwayOf(room, directions.front());
  const std::vector<bool> reached = Fill(cells, voxels.world, first, doorwayCells, leak);
  EXPECT_EQ(leak, "") << "the room is not closed";
  for (const int d : directions) {
    const Doorway door = DoorwayOf(room, d);
    const auto middle =
        cells.CellOf({(door.x0 + door.x1) / 2 + 1, (door.y0 + door.y1) / 2 + 1, 64});
    EXPECT_TRUE(reached[*middle]) << "doorway " << d << " cannot be reached from doorway "
                                  << directions.front();
  }
  for (const Block& entity : room.blocks.entities) {
    if (!IsPointEntityToReach(entity)) continue;
    const auto cell = cells.CellOf(Point(*entity.Key("origin")));
    EXPECT_TRUE(cell && reached[*cell]) << entity.ClassName() << " at " << *entity.Key("origin")
                                        << " stands in a wall or outside the room";
  }

  // Each spawn group, once placed, keeps every doorway and every placed thing reachable.
  std::set<std::string> groups;
  for (const PlacedBrush& placed : room.brushes) {
    if (placed.owner == "func_quilla_spawngroup") groups.insert(placed.groupName);
  }
  for (const std::string& group : groups) {
    std::vector<bool> blocked = voxels.world;
    for (std::size_t index = 0; index < voxels.owner.size(); ++index) {
      if (voxels.owner[index] != -1 &&
          room.brushes[static_cast<std::size_t>(voxels.owner[index])].groupName == group) {
        blocked[index] = true;
      }
    }
    std::string groupLeak;
    const std::vector<bool> open = Fill(cells, blocked, first, doorwayCells, groupLeak);
    for (const Block& entity : room.blocks.entities) {
      if (!IsPointEntityToReach(entity) || entity.ClassName() == "quilla_spawn_contoller") continue;
      const auto cell = cells.CellOf(Point(*entity.Key("origin")));
      EXPECT_TRUE(cell && open[*cell])
          << "spawn group " << group << " shuts off " << entity.ClassName();
    }
  }
}

// What the player picks up, meets or starts on stands on a floor, a platform or cover, and
// nothing is put inside a brush.
TEST_P(BundledRoom, PlacesThingsOnFloorsAndNeverInsideABrush) {
  const DeployedRoom room = DeploySource(GetParam());
  const Voxels voxels = Voxelise(room);
  const auto ownerOf = [&](const std::optional<std::size_t>& cell) -> std::string {
    if (!cell || voxels.owner[*cell] == -1) return "";
    return room.brushes[static_cast<std::size_t>(voxels.owner[*cell])].owner;
  };
  for (const Block& entity : room.blocks.entities) {
    if (!IsPointEntityToReach(entity)) continue;
    const Vec3 origin = Point(*entity.Key("origin"));
    const std::string inside = ownerOf(voxels.cells.CellOf(origin));
    EXPECT_TRUE(inside.empty() || IsVolume(inside))
        << entity.ClassName() << " at " << *entity.Key("origin") << " is inside a brush";
    const std::string className = entity.ClassName();
    if (className != "quilla_weapon" && className != "quilla_item" && className != "quilla_npc" &&
        className != "info_player_start") {
      continue;
    }
    bool grounded = false;
    for (double below = Cells::kSize / 2; below <= 24; below += Cells::kSize) {
      const std::string under = ownerOf(voxels.cells.CellOf({origin[0], origin[1], origin[2] - below}));
      grounded |= !under.empty() && IsAlwaysThere(under);
    }
    EXPECT_TRUE(grounded) << className << " at " << *entity.Key("origin") << " floats";
  }
}

// On foot a player gets from the first doorway to every other and back, to every weapon and
// item and back, to every monster, and from the player's start to the doorway.
TEST_P(BundledRoom, LetsAPlayerWalkToEveryDoorwayAndEveryPlaceholder) {
  const DeployedRoom room = DeploySource(GetParam());
  const Voxels voxels = Voxelise(room);
  const WalkMap walk = WalkOf(room, voxels);
  const auto doorwayFloor = [&](int d) {
    const Doorway door = DoorwayOf(room, d);
    std::vector<std::size_t> places;
    voxels.cells.ForEachIn(door.x0, door.y0, 0, door.x1, door.y1, Cells::kSize,
                           [&](std::size_t index, const Vec3&) {
                             if (walk.Stands(index)) places.push_back(index);
                           });
    return places;
  };
  const auto reachedAny = [](const std::vector<std::size_t>& places, const std::vector<bool>& reached) {
    return std::any_of(places.begin(), places.end(), [&](std::size_t place) { return reached[place]; });
  };
  const std::vector<int> directions = ConnectorDirections(TypeOf(room));
  ASSERT_FALSE(directions.empty());
  const std::vector<std::size_t> entry = doorwayFloor(directions.front());
  ASSERT_FALSE(entry.empty()) << "no floor to stand on in doorway " << directions.front();
  const std::vector<bool> there = walk.Reach(entry, false), back = walk.Reach(entry, true);
  for (const int d : directions) {
    const std::vector<std::size_t> floor = doorwayFloor(d);
    EXPECT_TRUE(reachedAny(floor, there) && reachedAny(floor, back))
        << "doorway " << d << " cannot be walked to and back from doorway " << directions.front();
  }
  for (const Block& entity : room.blocks.entities) {
    const std::string className = entity.ClassName();
    const bool pickUp = className == "quilla_weapon" || className == "quilla_item";
    const bool monster = className == "quilla_npc", start = className == "info_player_start";
    if (!pickUp && !monster && !start) continue;
    const std::string origin = entity.Key("origin").value_or("");
    const auto place = walk.StandingAt(Point(origin));
    ASSERT_TRUE(place) << className << " at " << origin << " has no place to stand";
    EXPECT_TRUE(start || there[*place]) << className << " at " << origin << " cannot be walked to";
    EXPECT_TRUE(monster || back[*place]) << "no way back to the doorway from " << className << " at " << origin;
  }
}

bool HasSkyFace(const Block& solid) {
  return std::any_of(solid.children.begin(), solid.children.end(), [](const Block& side) {
    return side.Key("material") == "TOOLS/TOOLSSKYBOX";
  });
}

TEST_P(BundledRoom, HasLightsPlaceholdersAndConnectionsThatNameItsOwnEntities) {
  const DeployedRoom room = DeploySource(GetParam());
  std::multiset<std::string> classes;
  std::set<std::string> names, groups;
  for (const Block& entity : room.blocks.entities) {
    classes.insert(entity.ClassName());
    if (const auto name = entity.Key("targetname")) names.insert(*name);
    if (entity.ClassName() == "func_quilla_spawngroup")
      groups.insert(entity.Key("targetname").value_or(""));
    for (const Block& child : entity.children) {
      EXPECT_FALSE(child.name == "solid" && HasSkyFace(child))
          << "a sky brush of " << entity.ClassName() << " seals nothing: the sky is the world's";
    }
  }
  EXPECT_EQ(classes.count("quilla_info"), 1u);
  EXPECT_GE(classes.count("light") + classes.count("light_spot"), 1u);
  EXPECT_GE(classes.count("quilla_weapon"), 1u);
  EXPECT_GE(classes.count("quilla_item") + classes.count("quilla_npc"), 1u);
  EXPECT_EQ(classes.count("info_player_start") > 0, TypeOf(room) == 5);
  std::set<std::string> switchedLights;
  for (const Block& entity : room.blocks.entities) {
    for (const Block& child : entity.children) {
      if (child.name != "connections") continue;
      for (const auto& [output, value] : child.keys) {
        const std::string target = value.substr(0, value.find(','));
        EXPECT_TRUE(names.contains(target))
            << output << " of " << entity.ClassName() << " names no entity of the room: " << value;
        switchedLights.insert(target);
      }
    }
    if (entity.ClassName() != "quilla_spawn_contoller") continue;
    for (int k = 1; k <= 6; ++k) {
      const auto controlled = entity.Key("controll" + std::to_string(k));
      if (!controlled) continue;
      EXPECT_TRUE(groups.contains(*controlled)) << "no spawn group named " << *controlled;
      EXPECT_GT(ParseNumber(entity.Key("shares" + std::to_string(k)).value_or("")).value_or(0), 0);
    }
  }
  // The generator drops plain lights when asked to skip them; an output must not lose its
  // target then.
  for (const Block& entity : room.blocks.entities) {
    const std::string className = entity.ClassName();
    if (className != "light" && className != "light_dynamic") continue;
    EXPECT_FALSE(switchedLights.contains(entity.Key("targetname").value_or("")))
        << "an output aims at a " << className << ", which levels without lights drop";
  }
}

INSTANTIATE_TEST_SUITE_P(Library, BundledRoom, ::testing::ValuesIn(RoomSources()),
                         [](const auto& test) { return test.param; });

// The source as the level editor opens it: every brush and entity in a named visgroup.
TEST(BundledRoomSources, FileEveryBrushAndEntityUnderANamedVisgroup) {
  for (const std::string& source : RoomSources()) {
    const std::string text = ReadFile(kRoomSources / (source + ".vmf"));
    ItemTokenizer tokenizer{std::string_view(text)};
    Items items;
    std::string_view item;
    while (tokenizer.Next(item)) items.emplace_back(item);
    std::map<std::string, std::string> visgroups;  // id -> name
    std::vector<std::string> filed;
    std::vector<const Block*> walk;
    std::vector<Block> top;
    for (std::size_t i = 0; i + 1 < items.size();) {
      std::string name = items[i];
      i += 2;
      top.push_back(ReadBlock(items, i, std::move(name)));
    }
    for (const Block& block : top) walk.push_back(&block);
    int things = 0;
    while (!walk.empty()) {
      const Block* block = walk.back();
      walk.pop_back();
      if (block->name == "visgroup") {
        visgroups[block->Key("visgroupid").value_or("")] = block->Key("name").value_or("");
      }
      if (block->name == "editor") filed.push_back(block->Key("visgroupid").value_or("none"));
      things += block->name == "solid" || block->name == "entity" ? 1 : 0;
      for (const Block& child : block->children) walk.push_back(&child);
    }
    EXPECT_GE(visgroups.size(), 3u) << source;
    EXPECT_EQ(filed.size(), static_cast<std::size_t>(things)) << source;
    for (const std::string& id : filed) {
      EXPECT_FALSE(visgroups[id].empty()) << source << " files a brush under visgroup " << id;
    }
  }
}

// Every side of every type that a maze cell can enter by, at every size a neighbour offers;
// a game start is the first cell and is entered from nowhere.
TEST(BundledLibrary, OffersEveryTypeAtEverySideInBothSizes) {
  std::set<std::tuple<int, int, int>> offered;  // type, side, size
  for (const std::string& source : RoomSources()) {
    const DeployedRoom room = DeploySource(source);
    for (const int d : ConnectorDirections(TypeOf(room))) offered.emplace(TypeOf(room), d, ConnectorSize(room, d));
  }
  for (const int type : {0, 1, 2, 3, 4, 6}) {
    for (const int side : ConnectorDirections(type)) {
      for (const int size : {1, 2}) {
        EXPECT_TRUE(offered.contains({type, side, size}))
            << "no room of type " << type << " has size " << size << " on side " << side;
      }
    }
  }
}

TEST(BundledLibrary, HoldsSixDifferentRoomsOfEveryTypeAndEveryFeature) {
  std::map<int, int> perType;
  std::set<std::string> names, shapes, spawnWhats, classes;
  int npcs = 0, controllers = 0, roomsWithConnections = 0, wideRooms = 0, changingRooms = 0,
      courtyards = 0, roomsWithPits = 0;
  for (const std::string& source : RoomSources()) {
    const DeployedRoom room = DeploySource(source);
    ++perType[TypeOf(room)];
    EXPECT_TRUE(names.insert(room.header[0]).second) << "two rooms named " << room.header[0];
    std::string shape;
    bool sky = false, pit = false;
    for (const Block& solid : room.blocks.worldSolids) {
      for (const Block& side : solid.children) shape += side.Key("plane").value_or("");
      sky |= HasSkyFace(solid);
    }
    for (const PlacedBrush& placed : room.brushes) {
      pit |= std::any_of(placed.brush.points.begin(), placed.brush.points.end(),
                         [](const Vec3& p) { return p[2] < -16; });
    }
    courtyards += sky ? 1 : 0;
    roomsWithPits += pit ? 1 : 0;
    EXPECT_TRUE(shapes.insert(shape).second) << source << " has the brushwork of another room";
    std::set<int> sizes;
    const std::vector<int> directions = ConnectorDirections(TypeOf(room));
    for (const int d : directions) sizes.insert(ConnectorSize(room, d));
    wideRooms += directions.size() > 1 && sizes == std::set<int>{2} ? 1 : 0;
    changingRooms += sizes.size() > 1 ? 1 : 0;
    bool connected = false;
    for (const Block& entity : room.blocks.entities) {
      const std::string className = entity.ClassName();
      classes.insert(className);
      if (className == "quilla_item" || className == "quilla_weapon") {
        spawnWhats.insert(entity.Key("spawnwhat").value_or("0"));
      }
      npcs += className == "quilla_npc" ? 1 : 0;
      controllers += className == "quilla_spawn_contoller" ? 1 : 0;
      for (const Block& child : entity.children) connected |= child.name == "connections";
    }
    roomsWithConnections += connected ? 1 : 0;
  }
  for (int type = 0; type <= 6; ++type) EXPECT_GE(perType[type], 6) << "room type " << type;
  EXPECT_THAT(spawnWhats, ::testing::ElementsAre("0", "1", "2", "3", "4"));
  for (const char* className :
       {"func_door", "func_button", "func_breakable", "func_ladder", "func_movelinear",
        "func_tracktrain", "path_track", "func_detail", "light", "light_spot", "light_dynamic",
        "ambient_generic", "trigger_once", "func_quilla_spawngroup"}) {
    EXPECT_TRUE(classes.contains(className)) << "no room holds a " << className;
  }
  EXPECT_GE(npcs, 60);
  EXPECT_GE(controllers, 3);
  EXPECT_GE(roomsWithConnections, 12);
  EXPECT_GE(wideRooms, 4) << "rooms with every side a wide gate";
  EXPECT_GE(changingRooms, 4) << "rooms whose sides differ in size";
  EXPECT_GE(courtyards, 6) << "rooms open to the sky";
  EXPECT_GE(roomsWithPits, 6) << "rooms with a floor below the doorways'";
}

}  // namespace
}  // namespace vendrel::roomkit
