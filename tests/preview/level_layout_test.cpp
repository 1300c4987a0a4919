#include "level_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "preview_fixtures.h"
#include "room_map.h"

namespace vendrel::preview {
namespace {

using testing::kPreviewFixtures;

TEST(LevelLayout, GeneratedLevelIsATreeOfRoomsDeepeningFromTheStart) {
  const LevelMap map = ReadLevelMap(kPreviewFixtures / "generated_level.vmf");
  const SolidGrid grid(map.brushes);
  const LevelLayout layout = FindLayout(map, grid);

  // Seed 3, size 5: five rooms on the maze, each entered by one doorway.
  ASSERT_EQ(layout.rooms.size(), 5u);
  EXPECT_EQ(layout.doorways.size(), layout.rooms.size() - 1);
  ASSERT_TRUE(layout.startRoom.has_value());
  EXPECT_EQ(layout.rooms[*layout.startRoom].steps, 0);
  EXPECT_DOUBLE_EQ(layout.rooms[*layout.startRoom].depth, 0);
  std::set<int> steps;
  double deepest = 0;
  for (const LayoutRoom& room : layout.rooms) {
    EXPECT_GE(room.steps, 0) << "every room is reached through doorways";
    steps.insert(room.steps);
    deepest = std::max(deepest, room.depth);
  }
  EXPECT_DOUBLE_EQ(deepest, 1) << "no end room on this path: the deepest room counts as its end";
  EXPECT_GT(steps.size(), 2u);
  for (const Doorway& doorway : layout.doorways) {
    // The bundled rooms' doorways are 128 units wide, in walls that meet on a room edge.
    EXPECT_NEAR(std::hypot(doorway.b.x - doorway.a.x, doorway.b.y - doorway.a.y), 128, 1);
    EXPECT_EQ(std::abs(layout.rooms[doorway.from].steps - layout.rooms[doorway.to].steps), 1);
  }
}

TEST(LevelLayout, AMapNotNumberedRoomByRoomIsOneRoom) {
  const LevelMap map = ReadLevelMap(kPreviewFixtures / "sealed_room.vmf");
  const LevelLayout layout = FindLayout(map, SolidGrid(map.brushes));
  ASSERT_EQ(layout.rooms.size(), 1u);
  EXPECT_EQ(layout.rooms[0].brushes.size(), map.brushes.size());
  EXPECT_TRUE(layout.doorways.empty());
}

TEST(RoomMap, ConnectorsComeFromTheEntitiesOfAMapAndTheHeaderOfARoomFile) {
  // The designer built the market hall turned; the deployed file stands as its type wants.
  const RoomMap designed = ReadRoomMap(std::filesystem::path(VENDREL_DATA_SOURCES) / "rooms/market_hall.vmf");
  const RoomMap deployed = ReadRoomMap(std::filesystem::path(VENDREL_BUNDLED_ROOMS) / "MarketHall.rgr");
  std::set<int> designedDirections, deployedDirections;
  for (const ConnectorMark& c : designed.connectors) designedDirections.insert(c.direction);
  for (const ConnectorMark& c : deployed.connectors) {
    deployedDirections.insert(c.direction);
    EXPECT_EQ(c.size, 1);
  }
  EXPECT_EQ(designedDirections, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(deployedDirections, (std::set<int>{0, 1, 3}));
  EXPECT_EQ(deployed.map.brushes.size(), designed.map.brushes.size());
  EXPECT_TRUE(deployed.map.structureProblems.empty());
}

}  // namespace
}  // namespace vendrel::preview
