#include "path_depth.h"

#include <gtest/gtest.h>

namespace vendrel {
namespace {

LevelPlan Plan(std::vector<std::pair<int, int>> fromAndType) {
  LevelPlan plan;
  for (const auto& [from, type] : fromAndType) {
    PlannedCell cell;
    cell.from = from;
    cell.typeCode = type;
    plan.cells.push_back(cell);
  }
  plan.roomsDrawn = plan.CellCount() - 1;
  return plan;
}

TEST(PathDepths, TheGameEndRoomLiesAtOneAndSideBranchesGoOnPastIt) {
  // start, straight, cross (4 branches: alley, game end, alley with a straight before it)
  const LevelPlan plan = Plan({{0, 5}, {1, 0}, {2, 3}, {3, 4}, {3, 6}, {3, 0}, {6, 4}});
  const auto depths = PathDepths(plan, 6);
  ASSERT_EQ(depths.size(), 7u);
  EXPECT_DOUBLE_EQ(depths[0], 0.25);
  EXPECT_DOUBLE_EQ(depths[1], 0.5);
  EXPECT_DOUBLE_EQ(depths[2], 0.75);
  EXPECT_DOUBLE_EQ(depths[3], 1.0);
  EXPECT_DOUBLE_EQ(depths[4], 1.0);  // the game end room
  EXPECT_DOUBLE_EQ(depths[5], 1.0);
  EXPECT_DOUBLE_EQ(depths[6], 1.25);
}

TEST(PathDepths, WithoutAGameEndTheLastCellNormalises) {
  const LevelPlan plan = Plan({{0, 5}, {1, 0}, {2, 1}, {3, 4}});
  const auto depths = PathDepths(plan, 3);
  EXPECT_DOUBLE_EQ(depths[3], 1.0);
  EXPECT_DOUBLE_EQ(depths[0], 0.25);
}

// Steps of 1/7 add up in single precision, each sum rounded as it is stored: the depths
// lie just short of the quarters that doubles would give, the game end room short of 1.
TEST(PathDepths, AreSinglePrecisionRoundedAtEveryStep) {
  const LevelPlan plan = Plan({{0, 5}, {1, 0}, {2, 0}, {3, 6}});
  const std::vector<float> depths = PathDepths(plan, 7);
  EXPECT_EQ(depths[0], 0.2499999850988388F);
  EXPECT_EQ(depths[1], 0.4999999701976776F);
  EXPECT_EQ(depths[3], 0.9999999403953552F);
}

TEST(PathDepths, UsesTheRunTotalNotTheCellCount) {
  // The game end right after the start: every step is a whole path long.
  const LevelPlan plan = Plan({{0, 5}, {1, 6}, {1, 4}});
  const auto depths = PathDepths(plan, 10);
  EXPECT_DOUBLE_EQ(depths[0], 0.5);
  EXPECT_DOUBLE_EQ(depths[1], 1.0);
  EXPECT_DOUBLE_EQ(depths[2], 1.0);
}

}  // namespace
}  // namespace vendrel
