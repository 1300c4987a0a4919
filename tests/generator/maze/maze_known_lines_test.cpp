// Lines and attempt counts recorded from seeded searches: a faster search must take the
// same draws and find the very same lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "maze_selection.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

// A clock that moves on by 1.3 ms at every reseed reading, so each clock reseed mixes in
// a value of its own and a reseed dropped, added or moved shows in the lines.
class SteppingClock : public Clock {
 public:
  LocalTime Now() const override { return Reading().local; }
  double SecondsSinceMidnight() const override { return Reading().secondsSinceMidnight; }
  SeedTime SeedReading() const override {
    ++reads;
    return Reading();
  }
  mutable std::int64_t reads = 0;

 private:
  SeedTime Reading() const {
    const double seconds = 18429.25 + 0.0013 * static_cast<double>(reads);
    const int whole = static_cast<int>(seconds);
    return {{2026, 12, 6, whole / 3600, whole / 60 % 60, whole % 60}, seconds};
  }
};

struct KnownLine {
  LineRequest request;
  int attempts;
  std::string line;
};

// The searches run one after another on one source; the draw after the last pins the
// state the searches leave behind.
struct KnownSearch {
  std::vector<KnownLine> lines;
  double nextDraw;
};

void ExpectKnownLines(const Engine& engine, const KnownSearch& known) {
  MazeSurface surface;
  for (const KnownLine& expected : known.lines) {
    const GoodLine good = GetGoodLine(engine, surface, expected.request);
    SCOPED_TRACE(expected.line);
    EXPECT_EQ(good.attempts, expected.attempts);
    EXPECT_EQ(good.line, expected.line);
  }
  EXPECT_EQ(engine.random.Draw(), known.nextDraw);
}

constexpr auto kGame = StartKind::GameStart;
constexpr auto kLevel = StartKind::LevelStart;

TEST(KnownMazeLines, ClockSeeding) {
  testing::EngineParts parts;
  SteppingClock clock;
  RandomSource random(clock);
  const Engine engine{parts.host, clock, random, parts.log, parts.folder.Path()};
  const KnownSearch known{{
      {{0, kGame, EndKind::GameEnd, 1}, 1, "115"},
      {{1, kLevel, EndKind::Alley, 2}, 1, "22814"},
      {{5, kGame, EndKind::LevelEnd, 3}, 1, "3170907000023"},
      {{12, kLevel, EndKind::GameEnd, 4}, 1, "430070000000002140601010921"},
      {{20, kGame, EndKind::Alley, 1}, 9, "1150801010103000009010711070906080101010112"},
      {{30, kGame, EndKind::GameEnd, 2}, 1,
       "216010900101308060101010900000000070101010908010101060801062112"},
      {{35, kLevel, EndKind::LevelEnd, 3}, 22,
       "3290006080201011000030413111214110004000000090107090608010600000025031112"},
      {{40, kGame, EndKind::GameEnd, 4}, 456,
       "41807000000060101040007051309000701010101010108000000000019000009010101060801010112"},
      {{44, kGame, EndKind::GameEnd, 1}, 13,
       "1150000001000000701090801120800000608000004111013110709010200041301200514120709010600000714"},
      {{44, kLevel, EndKind::LevelEnd, 2}, 312,
       "2280101040008010101011200000005010101010109070101010101010108000901240101060008070901060013"}},
      0x1.7bb14c013ea5ep-1};
  ExpectKnownLines(engine, known);
  EXPECT_EQ(clock.reads, 241837);
}

TEST(KnownMazeLines, CustomSeeds) {
  {
    testing::SeededEngine test(1);
    ExpectKnownLines(
        test.engine,
        {{{{40, kGame, EndKind::GameEnd, 3}, 139,
           "31706090010001303010108001100000010141101010700040011010101070907060108060800190613"},
          {{44, kGame, EndKind::GameEnd, 4}, 50,
           "4180101100000000000000013050101010507011401140101070901010101010101010101200105000000071412"}},
         0x1.45e81d1357ecp-7});
  }
  {
    testing::SeededEngine test(2024);
    ExpectKnownLines(
        test.engine,
        {{{{44, kLevel, EndKind::Alley, 1}, 930,
           "1270200081000001300000000090200001306010101080608021400110107110400000714000601011013091311"},
          {{25, kGame, EndKind::LevelEnd, 2}, 2, "21609080507140106000801101311010101010101010101070023"}},
         0x1.f84a7d3661a44p-3});
  }
}

// A search that gives up after its 5000 attempts leaves the source where it always did.
TEST(KnownMazeLines, GivingUpTakesTheSameDraws) {
  testing::SeededEngine test(7);
  MazeSurface surface;
  EXPECT_FALSE(SearchGoodLine(test.engine, surface, {90, kGame, EndKind::GameEnd, 2}));
  EXPECT_EQ(test.random.Draw(), 0x1.c8040069cf76bp-1);
}

}  // namespace
}  // namespace vendrel
