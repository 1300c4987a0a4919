// Turning and moving in one walk must give what a walk a turn and then a walk for the
// move give, including which value is blamed when several cannot be used.
#include "room_transform.h"

#include <gtest/gtest.h>

#include "param_name.h"
#include "room_rotation.h"
#include "room_value_error.h"
#include "key_value_walk.h"
#include "value_move.h"

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

// The separate walks: Rotator's turns, then each value moved on its own by the text rules.
Items TurnedThenMoved(Items room, int rotations, const Vec3& offset) {
  Rotator(room, rotations);
  ValueMover mover(offset);
  ForEachKey(room, [&](std::size_t key) {
    const MoveBuild built = mover.Build(MoveKeyOf(room[key]), room[key + 1], false);
    if (built == MoveBuild::Moved || built == MoveBuild::MovedOutside) room[key + 1] = mover.Moved();
    return true;
  });
  return room;
}

TEST(TransformRoom, EveryValueComesOutAsTheSeparateWalksLeaveIt) {
  // Whole numbers in every spelling the reader takes, signed zeros, fractions that the
  // number rule rounds, a plane that leaves the world and a shift that wraps.
  const Items room = {
      "plane", "(0 0 0) (0 64 0) (64 64 0)",
      "plane", "(-0 +5 7) (1.5 -2.25 3) (0.1 0.2 0.3)",
      "plane", "(100000000000000 1 2) (3 4 5) (6 7 8)",
      "plane", "(12 -7 0.0) (0.0 -0 3) (1 1 1)",
      "plane", "(16000 0 0) (0 0 0) (0 0 0)",
      "plane", "(1e3 2 3) (4 5 6) (7 8 9)",
      "origin", "64 -32 8",
      "origin", "-0 0.0 +12",
      "origin", "1.25 3 4.125",
      "origin", "0.1 0.7 -0.3",
      "point0", "1 2 3 4 5",
      "startposition", "[8 16 24]",
      "startposition", "0.5",
      "uaxis", "[1 0 0 16] 0.25",
      "vaxis", "[0 -1 0 -7.5] 0.5",
      "uaxis", "[+1 -0 0 3] 1",
      "uaxis", "[1e0 0 0 0] 0.25",
      "uaxis", "[0.7071 0.7071 0 0] 0.25",
      "uaxis", "[1 0 0 600] 0.25",
      "vaxis", "[0 0 -1 -100.123456] 0.3",
  };
  for (const Vec3& offset : {Vec3{512, -256, 64}, Vec3{0.5, 1024, -3.25}, Vec3{0, 0, 0}}) {
    for (int rotations = 0; rotations <= 5; ++rotations) {
      Items once = room;
      TransformRoom(once, rotations, offset);
      EXPECT_EQ(once, TurnedThenMoved(room, rotations, offset))
          << rotations << " turns, offset " << offset.x << " " << offset.y << " " << offset.z;
    }
  }
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
