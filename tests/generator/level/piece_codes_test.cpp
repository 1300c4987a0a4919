#include "piece_codes.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "map_error.h"

namespace vendrel {
namespace {

struct PieceCase {
  const char* code;
  double draw;
  int typeCode;
  int turns;
};

class DecodePieceTest : public ::testing::TestWithParam<PieceCase> {};

TEST_P(DecodePieceTest, GivesTypeAndTurns) {
  int draws = 0;
  const PieceChoice choice = DecodePiece(GetParam().code, [&] {
    ++draws;
    return GetParam().draw;
  });
  EXPECT_EQ(choice.problem, PieceProblem::None);
  EXPECT_EQ(choice.typeCode, GetParam().typeCode);
  EXPECT_EQ(choice.turns, GetParam().turns);
  const std::string code = GetParam().code;
  EXPECT_EQ(draws, code == "00" || code == "01" || code == "10" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodePieceTest,
    ::testing::Values(PieceCase{"00", 0.5, 0, 0}, PieceCase{"00", 0.51, 0, 2},
                      PieceCase{"01", 0.2, 0, 1}, PieceCase{"01", 0.9, 0, 3},
                      PieceCase{"02", 0, 2, 1}, PieceCase{"03", 0, 2, 2}, PieceCase{"04", 0, 2, 3},
                      PieceCase{"05", 0, 2, 0}, PieceCase{"06", 0, 1, 0}, PieceCase{"09", 0, 1, 3},
                      PieceCase{"10", 0.2499, 3, 0}, PieceCase{"10", 0.25, 3, 1},
                      PieceCase{"10", 0.5, 3, 2}, PieceCase{"10", 0.75, 3, 3},
                      PieceCase{"11", 0, 4, 0}, PieceCase{"14", 0, 4, 3},
                      PieceCase{"15", 0, 5, 0}, PieceCase{"18", 0, 5, 3},
                      PieceCase{"19", 0, 6, 0}, PieceCase{"22", 0, 6, 3}),
    [](const ::testing::TestParamInfo<PieceCase>& testCase) {
      return "code" + std::string(testCase.param.code) + "_draw" +
             std::to_string(static_cast<int>(testCase.param.draw * 10000));
    });

using ChoosePieceTest = testing::EngineFixture;

TEST_F(ChoosePieceTest, LevelStartAndEndPiecesAreFatal) {
  EXPECT_THROW(ChoosePiece(engine, "24", "11524"), MapErrorExit);
  EXPECT_EQ(host.messages[0].text,
            "An error occoured when creating map. Following error message was returned: A level end "
            "room was passed through even though it's not supported!");
  EXPECT_EQ(testing::ReadFile(folder / "errorlog.txt"),
            "Level end room was passed? from 'getgoodline'! RoomLine: 11524\r\n");

  host.messages.clear();
  EXPECT_THROW(ChoosePiece(engine, "30", "11530"), MapErrorExit);
  EXPECT_EQ(host.messages[0].text,
            "An error occoured when creating map. Following error message was returned: A level "
            "start room was passed through even though it's not supported!");
  EXPECT_EQ(testing::ReadFile(folder / "errorlog.txt"),
            "Level start room was passed? from 'getgoodline'! RoomLine: 11530\r\n");

  EXPECT_THROW(ChoosePiece(engine, "3", "1153"), MapErrorExit);
  EXPECT_THROW(ChoosePiece(engine, "31", "11531"), MapErrorExit);
}

}  // namespace
}  // namespace vendrel
