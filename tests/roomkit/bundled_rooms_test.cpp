// The room library that ships: every source deploys through the kit, and every deployed
// room keeps the one standard that lets any two rooms meet at their doorways.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <set>

#include "deployment.h"
#include "kit_test_support.h"
#include "room_blocks.h"
#include "room_file.h"
#include "room_type.h"

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

// Where the doorway of each direction opens: the middle 128 units of its wall, from the
// wall's inner face (496) to the footprint's edge (512), 128 high from the floor.
struct Region {
  double x0, y0, x1, y1;
};
Region Doorway(int direction) {
  switch (direction) {
    case 0: return {-64, 496, 64, 512};
    case 1: return {496, -64, 512, 64};
    case 2: return {-64, -512, 64, -496};
    default: return {-512, -64, -496, 64};
  }
}
constexpr double kDoorHeight = 128;

// The room's space in cells of 8 units over the footprint, from its lowest to its
// highest brush.
class Cells {
 public:
  static constexpr double kSize = 8;
  static constexpr int kAcross = 128;  // 1024 / 8

  Cells(double zMin, double zMax)
      : zMin_(zMin), layers_(static_cast<int>(std::ceil((zMax - zMin) / kSize))) {}

  int Layers() const { return layers_; }
  std::size_t Count() const { return static_cast<std::size_t>(kAcross) * kAcross * layers_; }
  std::size_t Index(int i, int j, int k) const {
    return (static_cast<std::size_t>(k) * kAcross + j) * kAcross + i;
  }
  Vec3 Center(int i, int j, int k) const {
    return {-512 + kSize * i + kSize / 2, -512 + kSize * j + kSize / 2,
            zMin_ + kSize * k + kSize / 2};
  }
  std::optional<std::size_t> CellOf(const Vec3& p) const {
    const int i = static_cast<int>(std::floor((p[0] + 512) / kSize));
    const int j = static_cast<int>(std::floor((p[1] + 512) / kSize));
    const int k = static_cast<int>(std::floor((p[2] - zMin_) / kSize));
    if (i < 0 || j < 0 || k < 0 || i >= kAcross || j >= kAcross || k >= layers_)
      return std::nullopt;
    return Index(i, j, k);
  }
  // Every cell whose centre lies in the box.
  template <typename Visit>
  void ForEachIn(double x0, double y0, double z0, double x1, double y1, double z1,
                 Visit visit) const {
    const auto first = [](double from, double origin) {
      return std::max(0, static_cast<int>(std::floor((from - origin) / kSize)));
    };
    const auto last = [](double to, double origin, int count) {
      return std::min(count - 1, static_cast<int>(std::ceil((to - origin) / kSize)));
    };
    for (int k = first(z0, zMin_); k <= last(z1, zMin_, layers_); ++k) {
      for (int j = first(y0, -512); j <= last(y1, -512, kAcross); ++j) {
        for (int i = first(x0, -512); i <= last(x1, -512, kAcross); ++i) {
          const Vec3 c = Center(i, j, k);
          if (c[0] > x0 && c[0] < x1 && c[1] > y0 && c[1] < y1 && c[2] > z0 && c[2] < z1) {
            visit(Index(i, j, k), c);
          }
        }
      }
    }
  }
  bool OnBoundary(std::size_t index) const {
    const auto i = static_cast<int>(index % kAcross);
    const auto j = static_cast<int>(index / kAcross % kAcross);
    const auto k = static_cast<int>(index / (static_cast<std::size_t>(kAcross) * kAcross));
    return i == 0 || j == 0 || k == 0 || i == kAcross - 1 || j == kAcross - 1 || k == layers_ - 1;
  }
  std::vector<std::size_t> Neighbours(std::size_t index) const {
    const auto i = static_cast<int>(index % kAcross);
    const auto j = static_cast<int>(index / kAcross % kAcross);
    const auto k = static_cast<int>(index / (static_cast<std::size_t>(kAcross) * kAcross));
    std::vector<std::size_t> next;
    if (i > 0) next.push_back(Index(i - 1, j, k));
    if (i < kAcross - 1) next.push_back(Index(i + 1, j, k));
    if (j > 0) next.push_back(Index(i, j - 1, k));
    if (j < kAcross - 1) next.push_back(Index(i, j + 1, k));
    if (k > 0) next.push_back(Index(i, j, k - 1));
    if (k < layers_ - 1) next.push_back(Index(i, j, k + 1));
    return next;
  }

 private:
  double zMin_;
  int layers_;
};

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

bool IsPointEntityToReach(const Block& entity) {
  if (entity.ClassName() == "quilla_connector" || !entity.Key("origin")) return false;
  return std::none_of(entity.children.begin(), entity.children.end(),
                      [](const Block& child) { return child.name == "solid"; });
}

// Fills the air reachable from the first doorway through cells not in `solid`, and
// reports a cell on the edge of the space outside every doorway: a leak.
std::vector<bool> Fill(const Cells& cells, const std::vector<bool>& solid, int firstDoor,
                       const std::set<std::size_t>& doorwayCells, std::string& leak) {
  std::vector<bool> reached(cells.Count(), false);
  std::deque<std::size_t> open;
  const Region door = Doorway(firstDoor);
  cells.ForEachIn(door.x0, door.y0, 0, door.x1, door.y1, kDoorHeight,
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
    if (std::find(directions.begin(), directions.end(), d) != directions.end()) {
      const auto& at = positions[static_cast<std::size_t>(d)];
      EXPECT_THAT(
          std::vector<std::string>(room.header.begin() + group, room.header.begin() + group + 4),
          ::testing::ElementsAre(at[0], at[1], at[2], "1"))
          << "direction " << d;
    } else {
      EXPECT_THAT(
          std::vector<std::string>(room.header.begin() + group, room.header.begin() + group + 4),
          ::testing::Each(""))
          << "direction " << d;
    }
  }
}

TEST_P(BundledRoom, IsClosedBrushworkWithoutOverlapsAndDoorwaysThatLineUp) {
  const DeployedRoom room = DeploySource(GetParam());
  ASSERT_FALSE(room.brushes.empty());
  double zMin = 1e9, zMax = -1e9;
  for (const PlacedBrush& placed : room.brushes) {
    for (const Vec3& p : placed.brush.points) {
      EXPECT_TRUE(p[0] >= -512 && p[0] <= 512 && p[1] >= -512 && p[1] <= 512)
          << placed.owner << " brush leaves the footprint";
      zMin = std::min(zMin, p[2]);
      zMax = std::max(zMax, p[2]);
    }
  }
  const Cells cells(zMin, zMax);
  std::vector<int> owner(cells.Count(), -1);
  std::vector<bool> world(cells.Count(), false);
  std::set<std::pair<int, int>> overlaps;
  for (std::size_t b = 0; b < room.brushes.size(); ++b) {
    const PlacedBrush& placed = room.brushes[b];
    Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
    for (const Vec3& p : placed.brush.points) {
      for (std::size_t a = 0; a < 3; ++a) {
        lo[a] = std::min(lo[a], p[a]);
        hi[a] = std::max(hi[a], p[a]);
      }
    }
    int inside = 0;
    cells.ForEachIn(lo[0], lo[1], lo[2], hi[0], hi[1], hi[2],
                    [&](std::size_t index, const Vec3& c) {
                      if (!placed.brush.Contains(c)) return;
                      ++inside;
                      if (owner[index] != -1) overlaps.emplace(owner[index], static_cast<int>(b));
                      owner[index] = static_cast<int>(b);
                      if (placed.owner == "world") world[index] = true;
                    });
    EXPECT_GT(inside, 0) << "a " << placed.owner << " brush holds no space: its sides face inwards";
  }
  for (const auto& [first, second] : overlaps) {
    ADD_FAILURE() << "brushes " << first << " ("
                  << room.brushes[static_cast<std::size_t>(first)].owner << ") and " << second
                  << " (" << room.brushes[static_cast<std::size_t>(second)].owner << ") overlap";
  }

  const std::vector<int> directions = ConnectorDirections(TypeOf(room));
  ASSERT_FALSE(directions.empty());
  std::set<std::size_t> doorwayCells;
  for (const int d : directions) {
    const Region door = Doorway(d);
    int open = 0, floor = 0, lintel = 0;
    cells.ForEachIn(door.x0, door.y0, -Cells::kSize, door.x1, door.y1, kDoorHeight + Cells::kSize,
                    [&](std::size_t index, const Vec3& c) {
                      if (c[2] < 0) {
                        floor += world[index] ? 1 : 0;
                      } else if (c[2] > kDoorHeight) {
                        lintel += world[index] ? 1 : 0;
                      } else {
                        doorwayCells.insert(index);
                        open += owner[index] == -1 ? 1 : 0;
                      }
                    });
    // 16 cells across, 2 deep, 16 high; floor below and wall above across the whole width.
    EXPECT_EQ(open, 16 * 2 * 16) << "doorway " << d << " is not open";
    EXPECT_EQ(floor, 16 * 2) << "doorway " << d << " has no floor at the room's edge";
    EXPECT_EQ(lintel, 16 * 2) << "doorway " << d << " is not 128 high";
    const bool alongX = d == 0 || d == 2;
    const double side = alongX ? door.y0 : door.x0;
    for (const double beside : {-64.0 - Cells::kSize / 2, 64.0 + Cells::kSize / 2}) {
      const Vec3 wall = alongX ? Vec3{beside, side + Cells::kSize / 2, 64}
                               : Vec3{side + Cells::kSize / 2, beside, 64};
      EXPECT_TRUE(world[*cells.CellOf(wall)]) << "doorway " << d << " is wider than 128";
    }
  }

  std::string leak;
  const std::vector<bool> reached = Fill(cells, world, directions.front(), doorwayCells, leak);
  EXPECT_EQ(leak, "") << "the room is not closed";
  for (const int d : directions) {
    const Region door = Doorway(d);
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
    std::vector<bool> blocked = world;
    for (std::size_t index = 0; index < owner.size(); ++index) {
      if (owner[index] != -1 &&
          room.brushes[static_cast<std::size_t>(owner[index])].groupName == group) {
        blocked[index] = true;
      }
    }
    std::string groupLeak;
    const std::vector<bool> open =
        Fill(cells, blocked, directions.front(), doorwayCells, groupLeak);
    for (const Block& entity : room.blocks.entities) {
      if (!IsPointEntityToReach(entity) || entity.ClassName() == "quilla_spawn_contoller") continue;
      const auto cell = cells.CellOf(Point(*entity.Key("origin")));
      EXPECT_TRUE(cell && open[*cell])
          << "spawn group " << group << " shuts off " << entity.ClassName();
    }
  }
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
  }
  EXPECT_EQ(classes.count("quilla_info"), 1u);
  EXPECT_GE(classes.count("light") + classes.count("light_spot"), 1u);
  EXPECT_GE(classes.count("quilla_weapon"), 1u);
  EXPECT_GE(classes.count("quilla_item") + classes.count("quilla_npc"), 1u);
  EXPECT_EQ(classes.count("info_player_start") > 0, TypeOf(room) == 5);
  for (const Block& entity : room.blocks.entities) {
    for (const Block& child : entity.children) {
      if (child.name != "connections") continue;
      for (const auto& [output, value] : child.keys) {
        EXPECT_TRUE(names.contains(value.substr(0, value.find(','))))
            << output << " of " << entity.ClassName() << " names no entity of the room: " << value;
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
}

INSTANTIATE_TEST_SUITE_P(Library, BundledRoom, ::testing::ValuesIn(RoomSources()),
                         [](const auto& test) { return test.param; });

TEST(BundledLibrary, HoldsAtLeastThreeDifferentRoomsOfEveryTypeAndEveryPlaceholder) {
  std::map<int, int> perType;
  std::set<std::string> names, shapes, spawnWhats;
  int npcs = 0, controllers = 0, roomsWithConnections = 0;
  for (const std::string& source : RoomSources()) {
    const DeployedRoom room = DeploySource(source);
    ++perType[TypeOf(room)];
    EXPECT_TRUE(names.insert(room.header[0]).second) << "two rooms named " << room.header[0];
    std::string shape;
    for (const Block& solid : room.blocks.worldSolids) {
      for (const Block& side : solid.children) shape += side.Key("plane").value_or("");
    }
    EXPECT_TRUE(shapes.insert(shape).second) << source << " has the brushwork of another room";
    bool connected = false;
    for (const Block& entity : room.blocks.entities) {
      const std::string className = entity.ClassName();
      if (className == "quilla_item" || className == "quilla_weapon") {
        spawnWhats.insert(entity.Key("spawnwhat").value_or("0"));
      }
      npcs += className == "quilla_npc" ? 1 : 0;
      controllers += className == "quilla_spawn_contoller" ? 1 : 0;
      for (const Block& child : entity.children) connected |= child.name == "connections";
    }
    roomsWithConnections += connected ? 1 : 0;
  }
  for (int type = 0; type <= 6; ++type) EXPECT_GE(perType[type], 3) << "room type " << type;
  EXPECT_THAT(spawnWhats, ::testing::ElementsAre("0", "1", "2", "3", "4"));
  EXPECT_GE(npcs, 21);
  EXPECT_GE(controllers, 3);
  EXPECT_GE(roomsWithConnections, 7);
}

}  // namespace
}  // namespace vendrel::roomkit
