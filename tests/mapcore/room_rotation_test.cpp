#include "room_rotation.h"

#include <gtest/gtest.h>

#include "param_name.h"

#include <string>

#include "number_text.h"
#include "room_value_error.h"

namespace vendrel {
namespace {

struct TurnCase {
  const char* name;
  std::string key;
  std::string value;
  std::string turned;
};

class Rotate90Values : public ::testing::TestWithParam<TurnCase> {};

TEST_P(Rotate90Values, TurnsTheValueOfItsKey) {
  Items room = {"classname", "info_target", GetParam().key, GetParam().value, "after", "1 2 3"};
  Rotate90(room);
  EXPECT_EQ(room[3], GetParam().turned);
  EXPECT_EQ(room[1], "info_target");
  EXPECT_EQ(room[5], "1 2 3");
}

INSTANTIATE_TEST_SUITE_P(
    QuarterTurn, Rotate90Values,
    ::testing::Values(
        TurnCase{"Origin", "origin", "64 -32 8", "-32 -64 8"},
        TurnCase{"OriginInCapitals", "ORIGIN", "64 -32 8", "-32 -64 8"},
        TurnCase{"Point0", "point0", "1 2 3", "2 -1 3"},
        TurnCase{"Point1", "Point1", "-1.5 0 7", "0 1.5 7"},
        TurnCase{"AttachPoint", "attachpoint", "10 20 30", "20 -10 30"},
        TurnCase{"Plane", "plane", "(0 0 0) (0 64 0) (64 64 0)", "(0 0 0) (64 0 0) (64 -64 0)"},
        TurnCase{"TextureU", "uaxis", "[1 0 0 16] 0.25", "[0 -1 0 16] 0.25"},
        TurnCase{"TextureV", "vaxis", "[0 -1 0 -8.5] 0.5", "[-1 0 0 -8.5] 0.5"},
        TurnCase{"AnglesZero", "angles", "0 0 0", "0 270 0"},
        TurnCase{"AnglesNinety", "angles", "0 90 0", "0 0 0"},
        TurnCase{"AnglesFraction", "angles", "0 45.5 0", "0 315.5 0"},
        TurnCase{"AnglesKeepPitchAndRoll", "angles", "-10.50 180 05", "-10.50 90 05"},
        TurnCase{"StartPositionVector", "startposition", "[10 20 30]", "[20 -10 30]"},
        TurnCase{"StartPositionFractionUntouched", "startposition", "0.5", "0.5"},
        TurnCase{"UntouchedFieldsKeepTheirText", "origin", "064 1.50 08", "1.50 -64 08"},
        TurnCase{"ZeroKeepsItsText", "origin", "0.0 5 1", "5 0.0 1"},
        TurnCase{"MissingFieldsStayEmpty", "origin", "5", " -5 "},
        TurnCase{"ExtraFieldsDropped", "origin", "1 2 3 4", "2 -1 3"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Rotate90, FourTurnsGiveTheGeometryBack) {
  Items room = {"origin", "64 -32 8",        "plane",  "(0 0 0) (0 64 0) (64 64 0)",
                "uaxis",  "[1 0 0 16] 0.25", "angles", "0 45.5 0"};
  const Items start = room;
  Rotator(room, 4);
  EXPECT_EQ(room, start);
}

TEST(Rotate90, BrushEntitiesKeepTheirAnglesOnlyAfterTheirClassName) {
  Items room = {"entity",      "{",      "angles", "0 0 0",  "classname", "FUNC_door",
                "angles",      "0 0 0",  "}",      "entity", "{",         "classname",
                "prop_static", "angles", "0 0 0",  "}"};
  Rotator(room, 2);
  EXPECT_EQ(room[3], "0 180 0");  // met before the first class name of each turn
  EXPECT_EQ(room[7], "0 0 0");
  EXPECT_EQ(room[14], "0 180 0");
}

TEST(Rotate90, AValueThatSpellsAKeyStaysAValue) {
  Items room = {"entity", "{", "targetname", "origin", "origin", "8 0 0", "}"};
  Rotate90(room);
  EXPECT_EQ(room, (Items{"entity", "{", "targetname", "origin", "origin", "0 -8 0", "}"}));
}

TEST(Rotate90, KeyInTheLastSlotIsLeftAlone) {
  Items room = {"origin", "1 2 3", "origin"};
  Rotate90(room);
  EXPECT_EQ(room, (Items{"origin", "2 -1 3", "origin"}));
}

TEST(Rotator, ZeroOrFewerTurnsLeaveTheRoomUntouched) {
  const Items start = {"origin", "064 1 2", "angles", "0 0 0"};
  for (const int turns : {0, -1}) {
    Items room = start;
    Rotator(room, turns);
    EXPECT_EQ(room, start);
  }
}

TEST(Rotate90, ANonNumberThatMustBeNegatedNamesItsPlace) {
  Items room = {"classname", "light", "origin", "abc 0 0"};
  try {
    Rotate90(room);
    FAIL() << "no error";
  } catch (const RoomValueError& error) {
    EXPECT_EQ(error.Item(), 3u);
    EXPECT_NE(std::string(error.what()).find("\"abc\""), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("\"origin\""), std::string::npos) << error.what();
  }
  EXPECT_EQ(room[3], "abc 0 0");
}

TEST(Rotate90, ANonNumberYawIsReported) {
  Items room = {"angles", "0 east 0"};
  EXPECT_THROW(Rotate90(room), RoomValueError);
}

TEST(r90_Co, NegatesOnlyWhenAsked) {
  EXPECT_EQ(r90_Co("064", true), "064");
  EXPECT_EQ(r90_Co("064", false), "-64");
  EXPECT_EQ(r90_Co("-12.5", false), "12.5");
  EXPECT_EQ(r90_Co("0", false), "0");
  EXPECT_EQ(r90_Co("", false), "");
  EXPECT_THROW(r90_Co("x", false), NumberTextError);
}

TEST(R90, TurnsAPointByQuarterTurns) {
  std::string x = "64", y = "-32";
  R90(1, x, y);
  EXPECT_EQ(x, "-32");
  EXPECT_EQ(y, "-64");
  R90(3, x, y);
  EXPECT_EQ(x, "64");
  EXPECT_EQ(y, "-32");
  R90(-2, x, y);
  EXPECT_EQ(x, "64");
  EXPECT_EQ(y, "-32");
}

struct SidesCase {
  int rotations;
  std::array<int, 4> sides;  // new north, east, south, west of 1, 2, 3, 4
};

class RotateValuesTable : public ::testing::TestWithParam<SidesCase> {};

TEST_P(RotateValuesTable, MovesValuesRoundTheSides) {
  int n = 1, e = 2, s = 3, w = 4;
  RotateValues(n, e, s, w, GetParam().rotations);
  EXPECT_EQ((std::array<int, 4>{n, e, s, w}), GetParam().sides);
}

INSTANTIATE_TEST_SUITE_P(Turns, RotateValuesTable,
                         ::testing::Values(SidesCase{0, {1, 2, 3, 4}}, SidesCase{1, {4, 1, 2, 3}},
                                           SidesCase{2, {3, 4, 1, 2}}, SidesCase{3, {2, 3, 4, 1}},
                                           SidesCase{4, {1, 2, 3, 4}}, SidesCase{5, {4, 1, 2, 3}},
                                           SidesCase{8, {1, 2, 3, 4}},
                                           SidesCase{-1, {1, 2, 3, 4}}),
                         [](const ::testing::TestParamInfo<SidesCase>& testCase) {
                           return "Turns" + testing::NameFromText(std::to_string(testCase.param.rotations));
                         });

TEST(RotateValues, MovesTextsWhole) {
  std::string n = "north", e = "east", s = "south", w = "west";
  RotateValues(n, e, s, w, 1);
  EXPECT_EQ(e, "north");
  EXPECT_EQ(n, "west");
}

TEST(RotateConnections, RecordsMoveWholeAndTurn) {
  std::array<RoomConnector, 4> connectors{};
  connectors[0] = {true, "10", "-256", "0", 2};
  connectors[3] = {true, "-256", "20", "64", 1};
  RotateConnections(connectors, 1);
  EXPECT_TRUE(connectors[1].present);
  EXPECT_EQ(connectors[1].x, "-256");
  EXPECT_EQ(connectors[1].y, "-10");
  EXPECT_EQ(connectors[1].z, "0");
  EXPECT_EQ(connectors[1].size, 2);
  EXPECT_EQ(connectors[0].x, "20");
  EXPECT_EQ(connectors[0].y, "256");
  EXPECT_EQ(connectors[0].size, 1);
  EXPECT_FALSE(connectors[2].present);
  EXPECT_EQ(connectors[2].x, "");
  EXPECT_EQ(connectors[2].y, "");
}

TEST(RotateConnections, TurnAndTurnBackRestoresTheRecords) {
  std::array<RoomConnector, 4> start{};
  start[0] = {true, "12.5", "-256", "8", 3};
  start[2] = {true, "0", "256", "8", 1};
  for (int turns = 0; turns <= 4; ++turns) {
    auto connectors = start;
    RotateConnections(connectors, turns);
    RotateConnections(connectors, 4 - turns);
    for (int side = 0; side < 4; ++side) {
      EXPECT_EQ(connectors[side].present, start[side].present);
      EXPECT_EQ(connectors[side].x, start[side].x) << turns << " " << side;
      EXPECT_EQ(connectors[side].y, start[side].y) << turns << " " << side;
      EXPECT_EQ(connectors[side].size, start[side].size);
    }
  }
}

}  // namespace
}  // namespace vendrel
