// Properties every maze line must have, over thousands of lines from seeded draws.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "maze_directions.h"
#include "maze_line.h"
#include "maze_picture.h"
#include "maze_selection.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

int Code(const std::string& text, std::size_t position) { return std::stoi(text.substr(position, 2)); }

bool IsThreeWayCode(int code) { return code >= 2 && code <= 5; }
bool IsEndCode(int code) { return (code >= 11 && code <= 14) || (code >= 19 && code <= 26); }
bool IsStartCode(int code) { return (code >= 15 && code <= 18) || code >= 27; }

struct Tally {
  int ends = 0;
  int threeWays = 0;
  int crosses = 0;
  std::vector<int> mainEnds;  // end codes that are not alleys
};

// Reads one branch from `position`: pieces up to its end code, or a junction and its
// branches. False when the branch is malformed or runs out.
bool ReadBranch(const std::string& body, std::size_t& position, Tally& tally) {
  while (position + 2 <= body.size()) {
    const int code = Code(body, position);
    position += 2;
    if (IsThreeWayCode(code) || code == 10) {
      const int branches = code == 10 ? 3 : 2;
      (code == 10 ? tally.crosses : tally.threeWays) += 1;
      for (int branch = 0; branch < branches; ++branch) {
        if (!ReadBranch(body, position, tally)) return false;
      }
      return true;
    }
    if (IsEndCode(code)) {
      ++tally.ends;
      if (code >= 19) tally.mainEnds.push_back(code);
      return true;
    }
    if (IsStartCode(code) || code > 30) return false;
  }
  return false;
}

// Whether a piece's picture is open on a side: the middle pixel of that edge.
bool PictureOpenOn(int piece, Direction side) {
  constexpr std::size_t kEdgePixel[5] = {0, 1, 5, 7, 3};
  return CellPattern(piece)[kEdgePixel[side]] == '1';
}

int Draw(RandomSource& random, int choices) { return static_cast<int>(random.Draw() * choices); }

TEST(MazeLineInvariants, EveryBodyIsWholeWithOneEndPerBranch) {
  testing::SeededEngine test(2024);
  for (int n = 0; n < 5000; ++n) {
    const int length = Draw(test.random, 81);
    const auto direction = static_cast<Direction>(Draw(test.random, 4) + 1);
    const auto endKind = static_cast<EndKind>(Draw(test.random, 3));
    const std::string body = CreateLine(test.engine, length, direction, endKind);
    SCOPED_TRACE(body);
    ASSERT_EQ(body.size(), 2u * static_cast<std::size_t>(length));
    if (length == 0) continue;

    Tally tally;
    std::size_t position = 0;
    ASSERT_TRUE(ReadBranch(body, position, tally));
    EXPECT_EQ(position, body.size()) << "the main branch ends with the body";
    EXPECT_EQ(tally.ends, 1 + tally.threeWays + 2 * tally.crosses);
    const int firstMainEnd = endKind == EndKind::GameEnd ? 19 : 23;
    if (endKind == EndKind::Alley) {
      EXPECT_TRUE(tally.mainEnds.empty());
    } else {
      ASSERT_EQ(tally.mainEnds.size(), 1u);
      EXPECT_GE(tally.mainEnds[0], firstMainEnd);
      EXPECT_LT(tally.mainEnds[0], firstMainEnd + 4);
    }

    MazeSurface surface;
    const std::string followed = body + "99";
    const std::string_view rest = surface.TestSurfDraw(test.engine, 0, 0, followed, direction);
    if (surface.SurfFault() != MazeSurface::kBadStartFault) {
      EXPECT_EQ(rest, "99");
    }
  }
}

TEST(MazeLineInvariants, ChosenLinesMapToNeighbouringFreeCells) {
  testing::SeededEngine test(77);
  MazeSurface surface;
  for (int n = 0; n < 2000; ++n) {
    LineRequest request;
    // The lengths a run asks for: up to 44 rooms.
    request.length = n % 20 == 0 ? 44 : Draw(test.random, 41);
    request.startWith = static_cast<StartKind>(Draw(test.random, 2));
    request.endWith = static_cast<EndKind>(Draw(test.random, 3));
    request.direction = static_cast<Direction>(Draw(test.random, 4) + 1);
    const std::string line = GetGoodLine(test.engine, surface, request).line;
    SCOPED_TRACE(line);
    ASSERT_EQ(line.size(), 3u + 2u * static_cast<std::size_t>(request.length));
    ASSERT_EQ(line[0] - '0', request.direction);
    ASSERT_EQ(line.substr(1, 2), GetStartRoom(request.startWith, request.direction));

    const DirList list = MapDirection(test.engine, line);
    const int cells = request.length + 1;
    ASSERT_EQ(list.Count(), cells);
    EXPECT_EQ(surface.OccupiedCount(), static_cast<std::size_t>(cells));
    std::vector<GridCell> where(static_cast<std::size_t>(cells) + 1);
    std::map<std::pair<int, int>, int> taken;
    for (int position = 1; position <= cells; ++position) {
      const DirEntry entry = list.At(position);
      const int piece = Code(line, 1 + 2 * static_cast<std::size_t>(position - 1));
      ASSERT_TRUE(IsDirection(entry.direction));
      if (position == 1) {
        EXPECT_EQ(entry, (DirEntry{0, request.direction}));
      } else {
        ASSERT_GE(entry.from, 1);
        ASSERT_LT(entry.from, position);
        const int parent = Code(line, 1 + 2 * static_cast<std::size_t>(entry.from - 1));
        EXPECT_TRUE(PictureOpenOn(parent, entry.direction)) << "position " << position;
        EXPECT_TRUE(PictureOpenOn(piece, Opposite(entry.direction))) << "position " << position;
        where[static_cast<std::size_t>(position)] =
            Step(where[static_cast<std::size_t>(entry.from)], entry.direction);
      }
      const GridCell cell = where[static_cast<std::size_t>(position)];
      EXPECT_TRUE(surface.IsOccupied(cell)) << "position " << position;
      EXPECT_TRUE(taken.insert({{cell.x, cell.y}, position}).second) << "position " << position;
    }
  }
}

}  // namespace
}  // namespace vendrel
