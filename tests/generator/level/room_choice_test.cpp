#include "room_choice.h"

#include <gtest/gtest.h>

#include "categorize.h"
#include "engine_fixture.h"
#include "map_error.h"
#include "room_fixtures.h"
#include "room_rotation.h"

namespace vendrel {
namespace {

// A crossing whose four connectors have four different sizes, so each side is known by it.
RoomRow Crossing(std::array<int, 4> sizes) {
  RoomRow row;
  row[kTypeColumn] = RoomCell::FromItem("3");
  for (int d = 0; d < 4; ++d) {
    row[ConnectorColumn(d, 0)] = RoomCell::FromItem(d == 1 ? "64" : d == 3 ? "-64" : "0");
    row[ConnectorColumn(d, 1)] = RoomCell::FromItem(d == 0 ? "64" : d == 2 ? "-64" : "0");
    row[ConnectorColumn(d, 2)] = RoomCell::FromItem("0");
    row[ConnectorColumn(d, 3)] = RoomCell::FromItem(std::to_string(sizes[static_cast<std::size_t>(d)]));
  }
  return row;
}

// Checked against the turned connector records themselves: the entry cell's record on the
// shared side carries the size asked for, and the cell's own side named by the requirement
// is the one that, turned, faces the entry cell.
TEST(EntryRequirement, MatchesTheConnectorsAsTurnedForEveryDirectionAndTurn) {
  const RoomRow from = Crossing({10, 11, 12, 13});
  const RoomRow self = Crossing({20, 21, 22, 23});
  for (int direction = 1; direction <= 4; ++direction) {
    for (int fromTurns = 0; fromTurns < 4; ++fromTurns) {
      for (int turns = 0; turns < 4; ++turns) {
        auto fromPlaced = from.Connectors();
        RotateConnections(fromPlaced, fromTurns);
        auto selfPlaced = self.Connectors();
        RotateConnections(selfPlaced, turns);
        const EntryRequirement need = EntryRequirementFor(from, fromTurns, direction, turns);
        EXPECT_EQ(need.size, fromPlaced[static_cast<std::size_t>(direction - 1)].size);
        EXPECT_EQ(20 + need.ownSide, selfPlaced[static_cast<std::size_t>((direction + 1) % 4)].size)
            << "direction " << direction << " turns " << turns;
      }
    }
  }
}

TEST(EntryRequirement, OneAndThreeQuarterTurnsTakeTheSizeFromTheTurnedBackSide) {
  // A turn room (north size 1, east size 2) turned once: its east side in the level is its
  // own north, its south its own east. A cell south of it meets size 2 and, turned once,
  // faces it with its own west.
  RoomRow turn;
  turn[kTypeColumn] = RoomCell::FromItem("1");
  for (const auto& [column, text] : std::vector<std::pair<int, const char*>>{
           {ConnectorColumn(0, 1), "256"}, {ConnectorColumn(0, 3), "1"},
           {ConnectorColumn(1, 0), "256"}, {ConnectorColumn(1, 3), "2"}}) {
    turn[column] = RoomCell::FromItem(text);
  }
  for (const int d : {0, 1}) {
    for (const int part : {0, 1, 2}) {
      if (turn[ConnectorColumn(d, part)].text.empty()) turn[ConnectorColumn(d, part)] = RoomCell::FromItem("0");
    }
  }
  const EntryRequirement south = EntryRequirementFor(turn, 1, 3, 1);
  EXPECT_EQ(south.size, 2);
  EXPECT_EQ(south.ownSide, 3);
  const EntryRequirement east = EntryRequirementFor(turn, 1, 2, 3);
  EXPECT_EQ(east.size, 1);
  EXPECT_EQ(east.ownSide, 0);  // its own north, turned three times, faces west
}

using ChooseCellRoomTest = testing::EngineFixture;

std::size_t RowOf(const RoomTable& table, const std::string& fileName) {
  for (std::size_t row = 0; row < table.RoomCount(); ++row) {
    if (table.rows[row].File().filename() == fileName) return row;
  }
  throw std::runtime_error("no room file " + fileName);
}

TEST_F(ChooseCellRoomTest, DrawsOnlyFromRoomsWhoseFacingConnectorHasTheEntrySize) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start", 5, {2, 0, 0, 0}});
  testing::WriteFixtureRoom(rooms, {"hall1", 0, {1, 0, 1, 0}});
  testing::WriteFixtureRoom(rooms, {"hall2", 0, {1, 0, 2, 0}});
  testing::WriteFixtureRoom(rooms, {"hall3", 0, {2, 0, 1, 0}});
  const RoomTable table = Categorize(engine, rooms);
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);
  random.SetSeedMode(SeedMode::Custom, 3);
  random.StartRun();

  LevelPlan level;
  level.cells.push_back({"15", 0, 1, 5, 0, RowOf(table, "start.rgr")});  // open to the north
  // North of it a straight piece: unturned it faces the start with its south side, which
  // must be size 2; turned twice it faces it with its north side.
  for (int draw = 0; draw < 40; ++draw) {
    const PlannedCell straight{"00", 1, 1, 0, 0, 0};
    EXPECT_EQ(table.rows[ChooseCellRoom(engine, catalogue, table, 0, level, straight)].File().filename(),
              "hall2.rgr");
    const PlannedCell flipped{"00", 1, 1, 0, 2, 0};
    EXPECT_EQ(table.rows[ChooseCellRoom(engine, catalogue, table, 0, level, flipped)].File().filename(),
              "hall3.rgr");
  }
  // The first cell takes any room of its type.
  const PlannedCell first{"00", 0, 1, 0, 0, 0};
  EXPECT_EQ(FittingRooms(catalogue, table, 0, level, first).size(), 3u);
}

TEST_F(ChooseCellRoomTest, NoFittingRoomEndsTheRunWithTheTypeCode) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start", 5, {2, 0, 0, 0}});
  testing::WriteFixtureRoom(rooms, {"hall1", 0, {1, 0, 1, 0}});
  const RoomTable table = Categorize(engine, rooms);
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);
  LevelPlan level;
  level.cells.push_back({"15", 0, 1, 5, 0, RowOf(table, "start.rgr")});
  EXPECT_THROW(ChooseCellRoom(engine, catalogue, table, 0, level, {"00", 1, 1, 0, 0, 0}), MapErrorExit);
  EXPECT_EQ(host.messages[0].text,
            "An error occoured when creating map. Following error message was returned: Could not "
            "find any rooms to match current room connection type! (0)");
}

}  // namespace
}  // namespace vendrel
