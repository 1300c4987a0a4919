// Turning and moving in one walk must give what a walk a turn and then a walk for the
// move give, including which value is blamed when several cannot be used.
#include "room_transform.h"

#include <gtest/gtest.h>

#include "param_name.h"
#include "room_rotation.h"
#include "room_value_error.h"

namespace vendrel {
namespace {

TEST(TransformRoom, KeysAreFoundWhereThePrinterFindsThem) {
  // The turns take any case, the move only its own lower-case keys; a value that spells a
  // key ("origin" after "classname") stays a value.
  Items room = {"entity", "{",        "classname", "origin", "ORIGIN", "64 -32 8",
                "origin", "64 -32 8", "angles",    "0 90 0", "}"};
  TransformRoom(room, 3, Vec3{10, 20, 30});
  EXPECT_EQ(room, (Items{"entity", "{",        "classname", "origin",  "ORIGIN", "32 64 8",
                         "origin", "42 84 38", "angles",    "0 180 0", "}"}));
}

TEST(TransformRoom, ATurnedValueIsTurnedOncePerTurnInOrder) {
  Items once = {"uaxis", "[1 0 0 16] 0.25", "plane", "(0 0 0) (0 64 0) (64 64 0)"};
  Items walked = once;
  for (int turn = 0; turn < 3; ++turn) Rotate90(once);
  Rotator(walked, 3);
  EXPECT_EQ(walked, once);
  EXPECT_EQ(walked[1], "[0 1 0 16] 0.25");
  EXPECT_EQ(walked[3], "(0 0 0) (-64 0 0) (-64 64 0)");
}

struct FailureCase {
  std::string name;
  Items room;
  int rotations;
  std::size_t blamedItem;
  std::string problem;
};

class TransformFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(TransformFailures, BlameTheValueTheFirstFailingWalkMeets) {
  const FailureCase& c = GetParam();
  Items room = c.room;
  try {
    TransformRoom(room, c.rotations, Vec3{512, 0, 0});
    FAIL() << "no error";
  } catch (const RoomValueError& error) {
    EXPECT_EQ(error.Item(), c.blamedItem);
    EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformFailures,
    ::testing::Values(
        // "0 b 0" turns once to "b 0 0", which the second turn cannot negate; the first
        // turn already fails further on.
        FailureCase{"AnEarlierTurnFailsFurtherOn", {"origin", "0 b 0", "origin", "a 0 0"}, 2, 3,
                    "holds \"a\""},
        FailureCase{"ALaterTurnFailsFirstOfAll", {"origin", "0 b 0", "origin", "1 0 0"}, 2, 1,
                    "holds \"b\""},
        FailureCase{"TheTurnsFailBeforeTheMove",
                    {"uaxis", "[1 0 0 0] 0", "angles", "0 x 0"}, 1, 3, "holds \"x\""},
        FailureCase{"TheMoveFailsWhenTheTurnsDoNot",
                    {"uaxis", "[1 0 0 0] 0", "angles", "0 90 0"}, 1, 1,
                    "has a texture scale of zero"},
        FailureCase{"TheFirstFailureOfTheMoveCounts",
                    {"origin", "1 2 3", "origin", "x 0 0", "uaxis", "[1 0 0 0] 0"}, 0, 3,
                    "holds \"x\""}),
    testing::ParamName());

// Ten planes whose first point leaves the bounds once moved, then `tail`.
Items OutOfBoundsThen(const Items& tail) {
  Items room;
  for (int i = 0; i < 10; ++i) {
    room.insert(room.end(), {"plane", "(16000 " + std::to_string(i) + " 0) (0 0 0) (0 0 0)"});
  }
  room.insert(room.end(), tail.begin(), tail.end());
  return room;
}

TEST(TransformRoom, TheMoveStopsAtTheBoundaryLimitWhileTheTurnsGoOn) {
  Items room = OutOfBoundsThen({"plane", "(0 0 0) (0 x 0) (0 0 0)", "origin", "8 0 0"});
  room[19] = "(16000 9 0) (nothing here)";
  const TranslationResult result = TransformRoom(room, 0, Vec3{512, 0, 0});
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(result.boundaryErrors.size(), 10u);
  EXPECT_EQ(room[19], "(16000 9 0) (nothing here)") << "the tenth plane is left unmoved";
  EXPECT_EQ(room.back(), "8 0 0");

  Items turned = OutOfBoundsThen({"origin", "8 0 0"});
  // A room the move gave up on: turns run to the end, so the last origin is turned.
  EXPECT_TRUE(TransformRoom(turned, 1, Vec3{0, -1000, 0}).aborted);
  EXPECT_EQ(turned.back(), "0 -8 0");

  Items failing = OutOfBoundsThen({"angles", "0 y 0"});
  EXPECT_THROW(TransformRoom(failing, 1, Vec3{0, -1000, 0}), RoomValueError)
      << "a turn that fails after the move stopped still fails the room";
}

}  // namespace
}  // namespace vendrel
