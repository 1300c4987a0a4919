#include "room_type.h"

#include <gtest/gtest.h>

#include "param_name.h"

namespace vendrel::roomkit {
namespace {

struct TurnCase {
  std::string type;
  DirectionFlags connectors;
  int turns;
};

class TurnCount : public ::testing::TestWithParam<TurnCase> {};

TEST_P(TurnCount, IsTheFirstNumberOfQuarterTurnsThatFitsTheType) {
  const TurnCase& c = GetParam();
  EXPECT_EQ(ValuesCanBeRotated(c.connectors, GetRoomId(c.type).pattern), c.turns);
}

INSTANTIATE_TEST_SUITE_P(RoomType, TurnCount,
                         ::testing::Values(TurnCase{"1", {false, false, true, true}, 2},
                                           TurnCase{"4", {false, false, false, true}, 1},
                                           TurnCase{"6", {false, true, false, false}, 3},
                                           TurnCase{"0", {true, true, false, false}, -1},
                                           TurnCase{"0", {false, true, false, true}, 1},
                                           TurnCase{"2", {true, true, true, false}, 3},
                                           TurnCase{"3", {true, true, true, true}, 0},
                                           TurnCase{"3", {true, true, true, false}, -1},
                                           TurnCase{"7", {false, false, false, false}, 0},
                                           TurnCase{"7", {true, false, false, false}, -1}),
                         [](const ::testing::TestParamInfo<TurnCase>& testCase) {
                           std::string sides;
                           for (std::size_t d = 0; d < 4; ++d) {
                             if (testCase.param.connectors[d]) sides += "NESW"[d];
                           }
                           return "Type" + testCase.param.type + "_" + (sides.empty() ? "None" : sides);
                         });

TEST(RoomType, NamesAndCodes) {
  EXPECT_EQ(GetRoomId("0").name, "Two Way");
  EXPECT_EQ(GetRoomId("1").name, "Turn");
  EXPECT_EQ(GetRoomId("2").name, "Three Way");
  EXPECT_EQ(GetRoomId("3").name, "Crossing");
  for (const char* alley : {"4", "5", "6"}) EXPECT_EQ(GetRoomId(alley).name, "Alley");
  for (const char* other : {"7", "-1", "", "2.5", "x"}) {
    EXPECT_EQ(GetRoomId(other).name, "") << other;
    EXPECT_FALSE(RoomTypeCode(other).has_value()) << other;
  }
  EXPECT_EQ(RoomTypeCode("5"), 5);
}

}  // namespace
}  // namespace vendrel::roomkit
