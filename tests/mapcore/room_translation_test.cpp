#include "room_translation.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "room_value_error.h"

namespace vendrel {
namespace {

struct MoveCase {
  const char* name;
  std::string key;
  std::string value;
  Vec3 offset;
  std::string moved;
};

class SetOriginsValues : public ::testing::TestWithParam<MoveCase> {};

TEST_P(SetOriginsValues, MovesTheValueOfItsKey) {
  Items room = {GetParam().key, GetParam().value, "angles", "0 90 0"};
  ConnectorPositions connectors{};
  const TranslationResult result = SetOrigins(room, GetParam().offset, connectors);
  EXPECT_EQ(room[1], GetParam().moved);
  EXPECT_EQ(room[3], "0 90 0");
  EXPECT_FALSE(result.aborted);
}

INSTANTIATE_TEST_SUITE_P(
    Move, SetOriginsValues,
    ::testing::Values(
        MoveCase{"Origin", "origin", "0 0 0", {512, -1024, 0}, "512 -1024 0"},
        MoveCase{"FractionWithPoint", "origin", "12.5 064 1.50", {1, 0, 0}, "13.5 64 1.5"},
        MoveCase{"Point0", "point0", "1 2 3", {1, 1, 1}, "2 3 4"},
        MoveCase{"Point1", "point1", "1 2 3", {-1, -2, -3}, "0 0 0"},
        MoveCase{"AttachPoint", "attachpoint", "0 0 0", {0, 0, 8}, "0 0 8"},
        MoveCase{"OriginInOtherCaseStays", "Origin", "0 0 0", {64, 0, 0}, "0 0 0"},
        MoveCase{"PlaneInCapitalsStays",
                 "PLANE",
                 "(0 0 0) (0 1 0) (1 1 0)",
                 {64, 0, 0},
                 "(0 0 0) (0 1 0) (1 1 0)"},
        MoveCase{"Plane",
                 "plane",
                 "(0 0 0) (0 64 0) (64 64 0)",
                 {10, 20, 30},
                 "(10 20 30) (10 84 30) (74 84 30)"},
        MoveCase{"StartPositionVector", "startposition", "[1 2 3]", {1, 1, 1}, "[2 3 4]"},
        MoveCase{"StartPositionFractionStays", "startposition", "0.5", {64, 64, 0}, "0.5"},
        MoveCase{"TextureOffset", "uaxis", "[1 0 0 0] 0.25", {64, 0, 0}, "[1 0 0 -256] 0.25"},
        MoveCase{"TextureOffsetWraps", "uaxis", "[1 0 0 0] 0.25", {-192, 0, 0}, "[1 0 0 256] 0.25"},
        MoveCase{"WrapRoundsFirst", "vaxis", "[0 0 1 600.5] 1", {0, 0, 0}, "[0 0 1 88] 1"},
        MoveCase{"At512NoWrap", "vaxis", "[0 0 1 512] 1", {0, 0, 0}, "[0 0 1 512] 1"},
        MoveCase{"NegativeNoWrap", "uaxis", "[1 0 0 -600] 1", {0, 0, 0}, "[1 0 0 -600] 1"},
        MoveCase{"OffsetCutDownwards", "uaxis", "[1 0 0 1.23456] 1", {0, 0, 0}, "[1 0 0 1.234] 1"},
        MoveCase{"NegativeOffsetCutDownwards",
                 "uaxis",
                 "[1 0 0 -1.23456] 1",
                 {0, 0, 0},
                 "[1 0 0 -1.235] 1"},
        MoveCase{"ThreeDecimalsStayExact", "uaxis", "[1 0 0 0.1] 1", {-0.2, 0, 0}, "[1 0 0 0.3] 1"},
        MoveCase{
            "NegativeDecimalsStayExact", "vaxis", "[0 1 0 -1] 1", {0, 0.2, 0}, "[0 1 0 -1.2] 1"},
        MoveCase{
            "AllThreeAxesCount", "uaxis", "[1.0 0.5 -1 0] 2.0", {8, 8, 8}, "[1.0 0.5 -1 -2] 2.0"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(SetOrigins, ACommaLocaleLeavesThePointInMapText) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup makes this locale";
  Items room = {"origin", "12.5 0 0", "uaxis", "[1 0 0 1.23456] 1"};
  ConnectorPositions connectors{};
  SetOrigins(room, {1, 0, 0}, connectors);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(room[1], "13.5 0 0");
  EXPECT_EQ(room[3], "[1 0 0 0.234] 1");
}

Items PlanesOutOfBounds(int count) {
  Items room;
  for (int i = 0; i < count; ++i) {
    room.push_back("plane");
    room.push_back("(16000 " + std::to_string(i) + " 0) (0 0 0) (0 0 0)");
  }
  room.push_back("origin");
  room.push_back("0 0 0");
  return room;
}

TEST(SetOrigins, MovesTheCellsConnectorsAlong) {
  Items room;
  ConnectorPositions connectors{};
  connectors[2] = {1, 2, 3};
  SetOrigins(room, {10, 20, 30}, connectors);
  EXPECT_DOUBLE_EQ(connectors[0].x, 10);
  EXPECT_DOUBLE_EQ(connectors[2].x, 11);
  EXPECT_DOUBLE_EQ(connectors[2].y, 22);
  EXPECT_DOUBLE_EQ(connectors[2].z, 33);
}

TEST(SetOrigins, NineBoundaryErrorsAreReportedAndTheRoomStillMoves) {
  Items room = PlanesOutOfBounds(9);
  ConnectorPositions connectors{};
  const TranslationResult result = SetOrigins(room, {512, 0, 0}, connectors);
  EXPECT_FALSE(result.aborted);
  ASSERT_EQ(result.boundaryErrors.size(), 9u);
  EXPECT_EQ(result.boundaryErrors[0], "16000 0 0");  // as it read before the move
  EXPECT_EQ(room[1], "(16512 0 0) (512 0 0) (512 0 0)");
  EXPECT_EQ(room.back(), "512 0 0");
}

TEST(SetOrigins, TheTenthBoundaryErrorStopsTheMove) {
  Items room = PlanesOutOfBounds(11);
  ConnectorPositions connectors{};
  const TranslationResult result = SetOrigins(room, {512, 0, 0}, connectors);
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(result.boundaryErrors.size(), 10u);
  EXPECT_EQ(room[17], "(16512 8 0) (512 0 0) (512 0 0)");
  EXPECT_EQ(room[19], "(16000 9 0) (0 0 0) (0 0 0)");
  EXPECT_EQ(room.back(), "0 0 0");
}

TEST(SetOrigins, OnlyTheFirstPointOfAPlaneIsTested) {
  Items room = {"plane", "(0 0 0) (20000 0 0) (0 0 0)", "origin", "20000 0 0"};
  ConnectorPositions connectors{};
  EXPECT_TRUE(SetOrigins(room, {0, 0, 0}, connectors).boundaryErrors.empty());
  Items onTheBound = {"plane", "(16384 -16384 0) (0 0 0) (0 0 0)"};
  EXPECT_TRUE(SetOrigins(onTheBound, {0, 0, 0}, connectors).boundaryErrors.empty());
}

struct BadValueCase {
  const char* name;
  std::string key;
  std::string value;
  std::string says;
};

class SetOriginsBadValues : public ::testing::TestWithParam<BadValueCase> {};

TEST_P(SetOriginsBadValues, AreReportedWithTheirPlace) {
  Items room = {"classname", "light", GetParam().key, GetParam().value};
  ConnectorPositions connectors{};
  try {
    SetOrigins(room, {1, 1, 1}, connectors);
    FAIL() << "no error";
  } catch (const RoomValueError& error) {
    EXPECT_EQ(error.Item(), 3u);
    EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos) << error.what();
  }
  EXPECT_EQ(room[3], GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetOriginsBadValues,
    ::testing::Values(
        BadValueCase{"Word", "origin", "0 zero 0", "\"zero\" where a number is needed"},
        BadValueCase{"MissingField", "origin", "0 0", "\"\" where a number is needed"},
        BadValueCase{"PlanePoint", "plane", "(0 0 0) (0 0) (0 0 0)", "where a number is needed"},
        BadValueCase{"ZeroScale", "uaxis", "[1 0 0 0] 0", "texture scale of zero"},
        BadValueCase{"MissingScale", "vaxis", "[1 0 0 0]", "where a number is needed"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

}  // namespace
}  // namespace vendrel
