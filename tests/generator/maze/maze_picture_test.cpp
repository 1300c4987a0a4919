#include "maze_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "maze_selection.h"
#include "maze_test_engine.h"

namespace vendrel {
namespace {

using testing::ScriptedEngine;

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kMagenta{255, 0, 255};

std::set<std::pair<int, int>> PaintedIn(const MazePicture& picture, int x, int y) {
  std::set<std::pair<int, int>> painted;
  for (int py = 212 + 3 * y; py < 215 + 3 * y; ++py) {
    for (int px = 221 + 3 * x; px < 224 + 3 * x; ++px) {
      if (picture.PixelAt(px, py)) painted.insert({px, py});
    }
  }
  return painted;
}

// A 24-bit bitmap as written: its size and the colour at a pixel from the top left.
struct Bitmap {
  std::string bytes;
  std::uint32_t Number(std::size_t at, int size) const {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
      value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
  }
  int Width() const { return static_cast<int>(Number(18, 4)); }
  int Height() const { return static_cast<int>(Number(22, 4)); }
  Rgb At(int column, int row) const {
    const std::size_t rowSize = (static_cast<std::size_t>(Width()) * 3 + 3) / 4 * 4;
    const std::size_t at = Number(10, 4) + rowSize * static_cast<std::size_t>(Height() - 1 - row) +
                           3 * static_cast<std::size_t>(column);
    return {static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
            static_cast<std::uint8_t>(bytes[at])};
  }
};

TEST(MazePicture, CrossIsAPlusAndStraightABar) {
  MazePicture picture;
  picture.Paint(0, 0, CellPattern(10), CellColour(10));
  picture.Paint(1, 0, CellPattern(1), CellColour(1));
  EXPECT_EQ(PaintedIn(picture, 0, 0),
            (std::set<std::pair<int, int>>{{222, 212}, {221, 213}, {222, 213}, {223, 213}, {222, 214}}));
  EXPECT_EQ(PaintedIn(picture, 1, 0), (std::set<std::pair<int, int>>{{224, 213}, {225, 213}, {226, 213}}));
  EXPECT_EQ(picture.PixelAt(222, 213), (Rgb{0, 0, 0}));
}

TEST(MazePicture, EachEndAndStartFamilyHasItsColour) {
  const std::vector<std::pair<int, Rgb>> families = {
      {11, kRed}, {15, kGreen}, {19, kMagenta}, {23, {0, 0, 255}}, {27, {255, 255, 0}}};
  for (const auto& [first, colour] : families) {
    for (int piece = first; piece < first + 4; ++piece) EXPECT_EQ(CellColour(piece), colour) << piece;
  }
  for (int piece = 0; piece <= 10; ++piece) EXPECT_EQ(CellColour(piece), (Rgb{0, 0, 0})) << piece;
  EXPECT_EQ(CellPattern(31), "");
}

// Every draw 0: straight pieces, so the line is "3" "17" "00" "00" "19".
TEST(MazePicture, ChosenLineShowsItsStartPieceOneCellFromTheOrigin) {
  ScriptedEngine test;
  MazeSurface surface;
  surface.SetShowSurf(true);
  const GoodLine good =
      GetGoodLine(test.engine, surface, {3, StartKind::GameStart, EndKind::GameEnd, 3});
  ASSERT_EQ(good.line, "3170000" "19");
  const MazePicture& picture = surface.Picture();
  EXPECT_EQ(PaintedIn(picture, 0, 0).size(), 0u);
  EXPECT_EQ(PaintedIn(picture, 0, 1), (std::set<std::pair<int, int>>{{222, 217}}));
  EXPECT_EQ(picture.PixelAt(222, 217), kGreen) << "bottom centre of the first cell below the origin";
  EXPECT_EQ(PaintedIn(picture, 0, 4), (std::set<std::pair<int, int>>{{222, 224}}));
  EXPECT_EQ(picture.PixelAt(222, 224), kMagenta);

  const auto file = test.folder / "line.bmp";
  ASSERT_TRUE(picture.WriteBitmap(file));
  const Bitmap bitmap{testing::ReadFile(file)};
  ASSERT_EQ(bitmap.bytes.substr(0, 2), "BM");
  EXPECT_EQ(bitmap.Number(2, 4), bitmap.bytes.size());
  EXPECT_EQ(bitmap.Number(28, 2), 24u);
  EXPECT_EQ(bitmap.Width(), MazePicture::kWidth);
  EXPECT_EQ(bitmap.Height(), MazePicture::kHeight);
  EXPECT_EQ(bitmap.At(222, 217), kGreen);
  EXPECT_EQ(bitmap.At(222, 219), (Rgb{0, 0, 0}));
  EXPECT_EQ(bitmap.At(221, 217), (Rgb{255, 255, 255}));
}

// The test walk puts the junction at (5, 0), inside the bounds; the picture, one cell
// further on, at (6, 0): its branches are painted all the same.
TEST(MazePicture, BranchesBeyondTheTestBoundsArePainted) {
  ScriptedEngine test;
  test.random.draws.assign(12, 0.0);
  for (const double draw : {0.0, 0.7, 0.0, 0.1}) test.random.draws.push_back(draw);
  MazeSurface surface;
  surface.SetShowSurf(true);
  const GoodLine good =
      GetGoodLine(test.engine, surface, {7, StartKind::GameStart, EndKind::GameEnd, 2});
  ASSERT_EQ(good.line, "216" "01010101" "04" "21" "11");
  EXPECT_EQ(surface.Picture().PixelAt(240, 211), kMagenta);
  EXPECT_EQ(surface.Picture().PixelAt(240, 215), kRed);
}

TEST(MazePicture, BitmapWidensForCellsLeftOfTheArea) {
  testing::TempFolder folder;
  MazePicture picture;
  picture.Paint(-80, 0, "100000000", kRed);
  picture.Paint(0, 0, "000010000", kGreen);
  ASSERT_TRUE(picture.WriteBitmap(folder / "wide.bmp"));
  const Bitmap bitmap{testing::ReadFile(folder / "wide.bmp")};
  EXPECT_EQ(bitmap.Width(), MazePicture::kWidth + 19);
  EXPECT_EQ(bitmap.At(0, 212), kRed);
  EXPECT_EQ(bitmap.At(222 + 19, 213), kGreen);
  EXPECT_FALSE(picture.WriteBitmap(folder / "missing" / "wide.bmp"));
}

}  // namespace
}  // namespace vendrel
