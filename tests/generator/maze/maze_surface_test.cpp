#include "maze_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_error.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

using testing::ScriptedEngine;

struct Walk {
  const char* name;
  GridCell start;
  int direction;
  std::string text;
  std::string rest;
  int fault;
  std::vector<GridCell> cells;
};

class SurfaceWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(SurfaceWalk, MarksTheCellsAndReturnsTheTextAfterTheBranch) {
  const Walk& walk = GetParam();
  ScriptedEngine test;
  MazeSurface surface;
  const std::string_view rest = surface.TestSurfDraw(test.engine, walk.start.x, walk.start.y,
                                                     walk.text, static_cast<Direction>(walk.direction));
  EXPECT_EQ(rest, walk.rest);
  EXPECT_EQ(surface.SurfFault(), walk.fault);
  for (const GridCell& cell : walk.cells) {
    EXPECT_TRUE(surface.IsOccupied(cell)) << cell.x << "," << cell.y;
  }
  const std::size_t distinct = walk.fault == 1 ? walk.cells.size() - 1 : walk.cells.size();
  EXPECT_EQ(surface.OccupiedCount(), distinct);

  surface.ResetSurf();
  EXPECT_EQ(surface.OccupiedCount(), 0u);
  EXPECT_EQ(surface.SurfFault(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, SurfaceWalk,
    ::testing::Values(
        Walk{"StopsAfterTheEndCode", {0, 0}, 2, "0113" "0014", "0014", 0, {{1, 0}, {2, 0}}},
        Walk{"TurnsByItsEntrySide", {0, 0}, 2, "0913", "", 0, {{1, 0}, {1, -1}}},
        Walk{"TurnEnteredThroughAClosedSideKeepsTheDirection", {0, 0}, 1, "0613", "", 0,
             {{0, -1}, {0, -2}}},
        Walk{"ThreeWayWalksItsTwoExits", {0, 0}, 2, "041311" "15", "15", 0, {{1, 0}, {1, -1}, {1, 1}}},
        Walk{"CrossWalksItsThreeExits", {0, 0}, 2, "10131419" "xy", "xy", 0,
             {{1, 0}, {1, -1}, {2, 0}, {1, 1}}},
        Walk{"CountsACellEnteredTwice", {0, 0}, 2, "0908070614", "", 1,
             {{1, 0}, {1, -1}, {0, -1}, {0, 0}, {1, 0}}},
        Walk{"StartAtTheBoundIsFine", {5, -5}, 2, "14", "", 0, {{6, -5}}},
        Walk{"StartOutsideTheBoundsWalksNothing", {6, 0}, 2, "14", "", 99, {}},
        Walk{"JunctionOutsideTheBoundsFails", {0, 0}, 2, "0101010101" "041311", "", 99,
             {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}}},
        Walk{"SkipsWhatIsNoPieceButMovesOn", {0, 0}, 2, "xx13", "", 0, {{2, 0}}},
        Walk{"RunsOutWithoutAnEndCode", {0, 0}, 3, "0000", "", 0, {{0, 1}, {0, 2}}}),
    [](const ::testing::TestParamInfo<Walk>& walk) { return std::string(walk.param.name); });

TEST(SurfaceWalk, ThreeWayEnteredThroughItsClosedSideIsFatal) {
  ScriptedEngine test;
  MazeSurface surface;
  EXPECT_THROW(surface.TestSurfDraw(test.engine, 0, 0, "021311", 2), MapErrorExit);
  ASSERT_FALSE(test.host.messages.empty());
  EXPECT_NE(test.host.messages.front().text.find("three way piece 02 was entered through its closed side"),
            std::string::npos);
  EXPECT_EQ(testing::ReadFile(test.folder / "errorlog.txt"),
            "Maze line fault, got three way piece (02) entered through its closed side 4 while "
            "moving in direction 2.\r\n");
}

TEST(SurfaceWalk, CellsBeyondTheGridAreKeptToo) {
  ScriptedEngine test;
  MazeSurface surface;
  std::string westwards;
  for (int cell = 1; cell < 120; ++cell) westwards += "01";
  westwards += "12";
  surface.TestSurfDraw(test.engine, 0, 0, westwards, 4);
  EXPECT_EQ(surface.SurfFault(), 0);
  EXPECT_EQ(surface.OccupiedCount(), 120u);
  EXPECT_TRUE(surface.IsOccupied({-120, 0}));
  EXPECT_FALSE(surface.IsOccupied({-121, 0}));
  surface.TestSurfDraw(test.engine, 0, 0, westwards, 4);
  EXPECT_EQ(surface.SurfFault(), 120);
  surface.ResetSurf();
  EXPECT_FALSE(surface.IsOccupied({-120, 0}));
  EXPECT_FALSE(surface.IsOccupied({-1, 0}));
}

TEST(SurfaceWalk, PaintsOnlyWhileShown) {
  ScriptedEngine test;
  MazeSurface surface;
  surface.DrawPoint(0, 0, "111111111", {0, 0, 0});
  EXPECT_TRUE(surface.Picture().Empty());
  surface.SetShowSurf(true);
  surface.DrawPoint(1, 0, "000111000", {255, 0, 0});
  EXPECT_EQ(surface.Picture().PixelAt(224, 213), (Rgb{255, 0, 0}));
  EXPECT_EQ(surface.SurfFault(), 0);
  surface.DrawPoint(1, 0, "000111000", {255, 0, 0});
  EXPECT_EQ(surface.SurfFault(), 1);
}

}  // namespace
}  // namespace vendrel
