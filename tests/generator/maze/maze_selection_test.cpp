#include "maze_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_error.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

using testing::ScriptedEngine;

// With every draw 0 a body is straight pieces and its end, which passes at once.
TEST(GetGoodLine, FirstPassLogsFourDetailLinesAndTheCount) {
  ScriptedEngine test;
  test.log.SetDetailedStatus(true);
  MazeSurface surface;
  const GoodLine good = GetGoodLine(test.engine, surface, {3, StartKind::GameStart, EndKind::GameEnd, 2});
  EXPECT_EQ(good.line, "2" "16" "010122");
  EXPECT_EQ(good.attempts, 1);
  EXPECT_EQ(test.LogLines(),
            (std::vector<std::string>{
                "Attempting to create line with 3 rooms, starting in the direction: 2",
                "Got Maze Line on attempt 1. Maze line: 010122", "Maze Line passed!", "1 attempts."}));
  EXPECT_TRUE(test.host.statuses.empty()) << "these lines go to the log file only";
}

TEST(GetGoodLine, WithoutDetailOnlyTheCountIsLogged) {
  ScriptedEngine test;
  MazeSurface surface;
  GetGoodLine(test.engine, surface, {3, StartKind::LevelStart, EndKind::Alley, 3});
  EXPECT_EQ(test.LogLines(), std::vector<std::string>{"1 attempts."});
}

// Turns right three times and ends on the start cell: (1,0), (1,-1), (0,-1), (0,0).
TEST(GetGoodLine, BodyOnTheStartCellFailsAndFiveThousandFailuresAreFatal) {
  ScriptedEngine test;
  test.random.draws = {0.9, 0.1, 0.9, 0.9, 0.9, 0.9};
  test.random.cycle = true;
  MazeSurface surface;
  EXPECT_THROW(GetGoodLine(test.engine, surface, {4, StartKind::GameStart, EndKind::GameEnd, 2}),
               MapErrorExit);
  EXPECT_EQ(test.random.drawsTaken, 6 * 5000) << "exactly 5000 attempts";
  ASSERT_FALSE(test.host.messages.empty());
  EXPECT_EQ(test.host.messages.front().text,
            "An error occoured when creating map. Following error message was returned: Could not "
            "create maze. Aborted line creating attempt after 5000 times.");
  EXPECT_EQ(testing::ReadFile(test.folder / "errorlog.txt"),
            "Where not able to successfully create line witch could be passed. (Rooms=4)\r\n");
  EXPECT_EQ(surface.SurfFault(), 1);
}

TEST(GetGoodLine, RefusesARequestOutOfRange) {
  ScriptedEngine test;
  MazeSurface surface;
  const std::vector<LineRequest> bad = {
      {256, StartKind::GameStart, EndKind::GameEnd, 1},
      {-1, StartKind::GameStart, EndKind::GameEnd, 1},
      {5, StartKind::GameStart, EndKind::GameEnd, 0},
      {5, StartKind::GameStart, EndKind::GameEnd, 5},
      {5, static_cast<StartKind>(2), EndKind::GameEnd, 1},
      {5, StartKind::GameStart, static_cast<EndKind>(3), 1}};
  for (const LineRequest& request : bad) {
    EXPECT_THROW(GetGoodLine(test.engine, surface, request), std::invalid_argument);
  }
  EXPECT_EQ(test.random.drawsTaken, 0);
}

TEST(GetStartRoom, IsOpenTowardsTheLine) {
  const std::vector<std::string> game = {"15", "16", "17", "18"};
  const std::vector<std::string> level = {"27", "28", "29", "30"};
  for (Direction direction = 1; direction <= 4; ++direction) {
    EXPECT_EQ(GetStartRoom(StartKind::GameStart, direction), game[direction - 1]);
    EXPECT_EQ(GetStartRoom(StartKind::LevelStart, direction), level[direction - 1]);
  }
  EXPECT_EQ(GetStartRoom(StartKind::GameStart, 0), "");
  EXPECT_EQ(GetStartRoom(StartKind::GameStart, 5), "");
  EXPECT_EQ(GetStartRoom(static_cast<StartKind>(2), 1), "");
}

TEST(GetGoodLine, SameCustomSeedSameLineWhateverTheClock) {
  auto lineAt = [](std::int64_t seed, int hour) {
    testing::SeededEngine test(seed);
    test.clock.time.hour = hour;
    MazeSurface surface;
    return GetGoodLine(test.engine, surface, {30, StartKind::GameStart, EndKind::GameEnd, 1}).line;
  };
  EXPECT_EQ(lineAt(31337, 3), lineAt(31337, 17));
  EXPECT_NE(lineAt(31337, 3), lineAt(31338, 3));
}

}  // namespace
}  // namespace vendrel
