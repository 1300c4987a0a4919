// The bundled library fills every maze the generator lays, at every level size, and its
// wide gates take part in levels, joined only to wide gates.
#include <gtest/gtest.h>

#include <set>

#include "categorize.h"
#include "map_error.h"
#include "maze_room_choice.h"
#include "room_rotation.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

constexpr int kSeedsPerSize = 200;

// A connector's size as the room stands in the level.
int PlacedSize(const RoomRow& room, int turns, int side) {
  auto connectors = room.Connectors();
  RotateConnections(connectors, turns);
  return connectors[static_cast<std::size_t>(side)].size;
}

TEST(BundledRoomChoice, FindsARoomForEveryCellOfEveryMazeAtEverySize) {
  testing::EngineContext context;
  const RoomTable table = Categorize(context.engine, testing::kBundledRooms);
  int gateJoins = 0, sizeChanges = 0, cells = 0;
  for (int size = 5; size <= 35; ++size) {
    for (long long seed = 1; seed <= kSeedsPerSize; ++seed) {
      RunOptions options;
      options.mapSize = size;
      options.seedMode = SeedMode::Custom;
      options.customSeedText = std::to_string(seed * 104729 + size);
      ApplySeed(options, context.random);
      MazeSurface surface;
      RunState state;
      LevelPlan level;
      try {
        level = ChooseMazeAndRooms(context.engine, options, SunValues{}, table, surface, state);
      } catch (const MapErrorExit& error) {
        ADD_FAILURE() << "size " << size << " seed " << options.customSeedText << ": "
                      << error.what();
        continue;
      }
      ASSERT_EQ(level.CellCount(), level.roomsDrawn + 1);
      for (const PlannedCell& cell : level.cells) {
        ++cells;
        std::set<int> own;
        for (const RoomConnector& connector : table.rows[cell.room].Connectors()) {
          if (connector.present) own.insert(connector.size);
        }
        sizeChanges += own.size() > 1 ? 1 : 0;
        if (cell.from == 0) continue;
        const PlannedCell& from = level.Cell(cell.from);
        const int theirs = PlacedSize(table.rows[from.room], from.turns, cell.direction - 1);
        const int mine = PlacedSize(table.rows[cell.room], cell.turns, (cell.direction + 1) % 4);
        ASSERT_EQ(mine, theirs) << "size " << size << " seed " << options.customSeedText;
        gateJoins += mine == 2 ? 1 : 0;
      }
    }
  }
  // Both kinds show in levels: rooms joined gate to gate, and rooms that change size.
  EXPECT_GT(gateJoins, cells / 20);
  EXPECT_GT(sizeChanges, cells / 20);
}

}  // namespace
}  // namespace vendrel
