#include "maze_directions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_error.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

using testing::ScriptedEngine;

struct Mapping {
  const char* name;
  std::string line;
  std::vector<DirEntry> cells;
};

class MapDirectionExample : public ::testing::TestWithParam<Mapping> {};

TEST_P(MapDirectionExample, RecordsEachCellsEntryCellAndDirection) {
  ScriptedEngine test;
  const DirList list = MapDirection(test.engine, GetParam().line);
  std::vector<DirEntry> cells;
  for (int position = 1; position <= list.Count(); ++position) cells.push_back(list.At(position));
  EXPECT_EQ(cells, GetParam().cells);
  EXPECT_TRUE(test.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MapDirectionExample,
    ::testing::Values(
        Mapping{"StartDownwards", "3" "17" "00" "19", {{0, 3}, {1, 3}, {2, 3}}},
        Mapping{"CrossBranchesHangOnTheCross", "1" "15" "10" "13" "14" "12",
                {{0, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 4}}},
        Mapping{"TurnShowsItsNewDirectionInTheNextCell", "2" "16" "09" "13", {{0, 2}, {1, 2}, {2, 1}}},
        Mapping{"SecondBranchFollowsTheWholeFirst", "2" "16" "04" "00" "13" "11",
                {{0, 2}, {1, 2}, {2, 1}, {3, 1}, {2, 3}}},
        Mapping{"BodyTakesItsDirectionFromTheStartCode", "15" "00" "13", {{0, 1}, {1, 1}, {2, 1}}},
        Mapping{"NoDirectionDigitLeavesItToTheStartCode", "x" "15" "00" "13",
                {{0, 1}, {1, 1}, {2, 1}}},
        Mapping{"LineWithoutEndRecordsOnlyItsCells", "2" "16" "01", {{0, 2}, {1, 2}}}),
    [](const ::testing::TestParamInfo<Mapping>& mapping) { return std::string(mapping.param.name); });

struct BadLine {
  const char* name;
  std::string line;
  std::string message;
  std::string errorLog;
};

class MapDirectionFault : public ::testing::TestWithParam<BadLine> {};

TEST_P(MapDirectionFault, IsFatal) {
  ScriptedEngine test;
  EXPECT_THROW(MapDirection(test.engine, GetParam().line), MapErrorExit);
  ASSERT_FALSE(test.host.messages.empty());
  EXPECT_EQ(test.host.messages.front().text,
            "An error occoured when creating map. Following error message was returned: " +
                GetParam().message);
  EXPECT_EQ(testing::ReadFile(test.folder / "errorlog.txt"), GetParam().errorLog + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MapDirectionFault,
    ::testing::Values(
        BadLine{"NoStartDirection", "0" "00" "13",
                "Incorrect returner to <give direction> (Could not decide init direction for this piece)",
                "Give direction falut, got returner witch had incorrect value (00) (Could not decide "
                "init direction for this piece)"},
        BadLine{"EmptyLine", "",
                "Incorrect returner to <give direction> (Could not decide init direction for this piece)",
                "Give direction falut, got returner witch had incorrect value () (Could not decide init "
                "direction for this piece)"},
        BadLine{"NotAPiece", "2" "16" "01" "99", "Incorrect returner to <give direction>",
                "Give direction falut, got returner witch had incorrect value (99)"},
        BadLine{"ThreeWayThroughItsClosedSide", "1" "15" "05" "13" "11",
                "Maze line fault: the three way piece 05 was entered through its closed side.",
                "Maze line fault, got three way piece (05) entered through its closed side 3 while "
                "moving in direction 1."}),
    [](const ::testing::TestParamInfo<BadLine>& bad) { return std::string(bad.param.name); });

TEST(DirList, GrowsWithThePositionsFed) {
  DirList list;
  list.FeedList(250, 249, 3);
  EXPECT_EQ(list.Count(), 250);
  EXPECT_EQ(list.At(250), (DirEntry{249, 3}));
  EXPECT_THROW(list.At(251), std::out_of_range);
  EXPECT_THROW(list.At(0), std::out_of_range);
  EXPECT_THROW(list.FeedList(-1, 0, 1), std::out_of_range);
}

}  // namespace
}  // namespace vendrel
