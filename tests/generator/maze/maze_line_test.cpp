#include "maze_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maze_test_engine.h"
#include "param_name.h"

namespace vendrel {
namespace {

using testing::ScriptedEngine;

// Draws that steer the first cell; every later draw falls back to 0, which makes
// straight pieces, side branches of one cell and no flips.
struct ScriptedLine {
  int length;
  int direction;
  EndKind end;
  std::vector<double> draws;
  std::string body;
};

std::string Create(const ScriptedLine& line) {
  ScriptedEngine test;
  test.random.draws.assign(line.draws.begin(), line.draws.end());
  return CreateLine(test.engine, line.length, static_cast<Direction>(line.direction), line.end);
}

class ScriptedCreateLine : public ::testing::TestWithParam<ScriptedLine> {};

std::string LineName(const ::testing::TestParamInfo<ScriptedLine>& testCase) {
  const ScriptedLine& line = testCase.param;
  return "Rooms" + std::to_string(line.length) + "Direction" + std::to_string(line.direction) + "_" +
         (line.body.empty() ? std::string("NoBody") : line.body);
}

TEST_P(ScriptedCreateLine, WritesTheBodyTheDrawsFix) {
  const std::string body = Create(GetParam());
  EXPECT_EQ(body, GetParam().body);
  EXPECT_EQ(body.size(), 2u * static_cast<std::size_t>(GetParam().length));
}

constexpr double kTurn = 0.9;      // first choice 3: a turn
constexpr double kNoTurn = 0.0;    // first choice 1
constexpr double kThreeWay = 0.7;  // second choice 4
constexpr double kCross = 0.99;    // third choice 8

// A turn (0.9), then the choice 1 (0.1) or 2 (0.6); the last cell's end piece shows the
// new direction.
INSTANTIATE_TEST_SUITE_P(TurnTable, ScriptedCreateLine,
                         ::testing::Values(ScriptedLine{2, 1, EndKind::Alley, {kTurn, 0.1}, "0714"},
                                           ScriptedLine{2, 1, EndKind::Alley, {kTurn, 0.6}, "0812"},
                                           ScriptedLine{2, 2, EndKind::Alley, {kTurn, 0.1}, "0913"},
                                           ScriptedLine{2, 2, EndKind::Alley, {kTurn, 0.6}, "0811"},
                                           ScriptedLine{2, 3, EndKind::Alley, {kTurn, 0.1}, "0614"},
                                           ScriptedLine{2, 3, EndKind::Alley, {kTurn, 0.6}, "0912"},
                                           ScriptedLine{2, 4, EndKind::Alley, {kTurn, 0.1}, "0613"},
                                           ScriptedLine{2, 4, EndKind::Alley, {kTurn, 0.6}, "0711"}),
    LineName);

// Three cells: a three-way junction (side length draw 0), the choice 1, 2 or 3, no flip:
// the first exit gets the game end, the second an alley.
INSTANTIATE_TEST_SUITE_P(
    ThreeWayTable, ScriptedCreateLine,
    ::testing::Values(ScriptedLine{3, 1, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.1}, "032212"},
                      ScriptedLine{3, 1, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.5}, "022114"},
                      ScriptedLine{3, 1, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.9}, "042112"},
                      ScriptedLine{3, 2, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.1}, "042111"},
                      ScriptedLine{3, 2, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.5}, "032211"},
                      ScriptedLine{3, 2, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.9}, "052114"},
                      ScriptedLine{3, 3, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.1}, "052212"},
                      ScriptedLine{3, 3, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.5}, "041912"},
                      ScriptedLine{3, 3, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.9}, "022211"},
                      ScriptedLine{3, 4, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.1}, "022111"},
                      ScriptedLine{3, 4, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.5}, "031912"},
                      ScriptedLine{3, 4, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.9}, "052112"}),
    LineName);

INSTANTIATE_TEST_SUITE_P(
    Branches, ScriptedCreateLine,
    ::testing::Values(
        // A flip gives the main end to the second exit.
        ScriptedLine{3, 1, EndKind::GameEnd, {kNoTurn, kThreeWay, 0, 0.5, 0.9}, "021322"},
        // Five cells remain; the side branch gets round(0.5 * 0.4 * 5) = 1 of them. Without
        // a flip the main end keeps the long branch on the first exit, with one the
        // lengths follow the end kinds to the second exit.
        ScriptedLine{6, 2, EndKind::GameEnd, {kNoTurn, kThreeWay, 0.5, 0.5, 0.1}, "030101012211"},
        ScriptedLine{6, 2, EndKind::GameEnd, {kNoTurn, kThreeWay, 0.5, 0.5, 0.9}, "031400000019"},
        // Three cells remain after a cross: one for each branch, the main end on the last.
        ScriptedLine{4, 2, EndKind::GameEnd, {kNoTurn, 0, kCross, 0.99}, "10131419"},
        // Ten remain: sides of round(0.99 * 0.4 * 10 / 2) = 2, main 6. Flipping A with C,
        // not C with B, then A with B leaves the main branch on the middle exit.
        ScriptedLine{11, 2, EndKind::GameEnd, {kNoTurn, 0, kCross, 0.99, 0.9, 0.1, 0.9},
                     "1000130101010101220011"},
        // Too few cells after them: the same draws give straight pieces.
        ScriptedLine{3, 2, EndKind::Alley, {kNoTurn, 0, kCross}, "010114"},
        ScriptedLine{2, 2, EndKind::Alley, {kNoTurn, kThreeWay}, "0114"},
        ScriptedLine{0, 2, EndKind::Alley, {}, ""}),
    LineName);

// One cell is only the end piece, open on the side it is entered from.
INSTANTIATE_TEST_SUITE_P(EndPieces, ScriptedCreateLine,
                         ::testing::Values(ScriptedLine{1, 1, EndKind::Alley, {}, "13"},
                                           ScriptedLine{1, 2, EndKind::Alley, {}, "14"},
                                           ScriptedLine{1, 3, EndKind::Alley, {}, "11"},
                                           ScriptedLine{1, 4, EndKind::Alley, {}, "12"},
                                           ScriptedLine{1, 1, EndKind::GameEnd, {}, "21"},
                                           ScriptedLine{1, 2, EndKind::GameEnd, {}, "22"},
                                           ScriptedLine{1, 3, EndKind::GameEnd, {}, "19"},
                                           ScriptedLine{1, 4, EndKind::GameEnd, {}, "20"},
                                           ScriptedLine{1, 1, EndKind::LevelEnd, {}, "25"},
                                           ScriptedLine{1, 2, EndKind::LevelEnd, {}, "26"},
                                           ScriptedLine{1, 3, EndKind::LevelEnd, {}, "23"},
                                           ScriptedLine{1, 4, EndKind::LevelEnd, {}, "24"}),
    LineName);

TEST(CreateLine, ReseedsBeforeEveryDrawButTheThreeWayLength) {
  ScriptedEngine test;
  // Two straight cells and the end: a reseed at the start, one before each of the three
  // choices of a cell and one after every cell.
  CreateLine(test.engine, 3, 2, EndKind::Alley);
  EXPECT_EQ(test.random.drawsTaken, 6);
  EXPECT_EQ(test.random.randaCalls, 1 + 2 * 3 + 3);

  ScriptedEngine junction;
  junction.random.draws = {kNoTurn, kThreeWay, 0, 0.5, 0.1};
  CreateLine(junction.engine, 3, 2, EndKind::Alley);
  // Reseeds before the two choices and the three-way choice, not before the length
  // draw; the flip reseeds on its own; each branch reseeds twice.
  EXPECT_EQ(junction.random.randaCalls, 1 + 2 + 1 + 1 + 2 * 2);
  EXPECT_EQ(junction.random.clockReseeds.size(), 1u);
}

TEST(CreateLine, RefusesArgumentsOutOfRange) {
  ScriptedEngine test;
  EXPECT_THROW(CreateLine(test.engine, -1, 2, EndKind::Alley), std::invalid_argument);
  EXPECT_THROW(CreateLine(test.engine, 3, 0, EndKind::Alley), std::invalid_argument);
  EXPECT_THROW(CreateLine(test.engine, 3, 5, EndKind::Alley), std::invalid_argument);
  EXPECT_THROW(CreateLine(test.engine, 3, 2, static_cast<EndKind>(3)), std::invalid_argument);
}

TEST(MightFlip, ReseedsFromTheClockAndFlipsAboveOneHalf) {
  ScriptedEngine test;
  test.random.draws = {0.5, 0.50000001, 0.5001};
  int first = 1, second = 2;
  EXPECT_FALSE(MightFlip(test.engine, first, second));
  EXPECT_FALSE(MightFlip(test.engine, first, second)) << "the draw is taken in single precision";
  EXPECT_EQ(first, 1);
  EXPECT_TRUE(MightFlip(test.engine, first, second));
  EXPECT_EQ(first, 2);
  EXPECT_EQ(second, 1);
  ASSERT_EQ(test.random.clockReseeds.size(), 3u);
  // 05:07:09.25 is 18429.25 seconds since midnight; the second of the minute is 9.
  EXPECT_NEAR(test.random.clockReseeds[0], 937.7034 - 18429.25 + 9, 1e-3);
  EXPECT_EQ(test.random.randaCalls, 0) << "the flip's reseed does not go through Randa";
}

TEST(MightFlip, FollowsTheCustomSeedWhateverTheClockSays) {
  auto lineAt = [](int second) {
    testing::SeededEngine test(90210);
    test.clock.time.second = second;
    test.clock.fraction = second / 100.0;
    return CreateLine(test.engine, 40, 3, EndKind::GameEnd);
  };
  EXPECT_EQ(lineAt(1), lineAt(47));
  testing::SeededEngine other(90211);
  EXPECT_NE(CreateLine(other.engine, 40, 3, EndKind::GameEnd), lineAt(1));
}

}  // namespace
}  // namespace vendrel
