#include "maze_batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maze_test_engine.h"

namespace vendrel {
namespace {

struct RequestDraws {
  std::vector<double> draws;
  LineRequest request;
};

class DrawnRequest : public ::testing::TestWithParam<RequestDraws> {};

TEST_P(DrawnRequest, TakesTheWholePartOfEachScaledDraw) {
  testing::ScriptedEngine test;
  test.random.draws.assign(GetParam().draws.begin(), GetParam().draws.end());
  const LineRequest request = DrawLineRequest(test.random);
  EXPECT_EQ(request.length, GetParam().request.length);
  EXPECT_EQ(request.startWith, GetParam().request.startWith);
  EXPECT_EQ(request.endWith, GetParam().request.endWith);
  EXPECT_EQ(request.direction, GetParam().request.direction);
  EXPECT_EQ(test.random.randaCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, DrawnRequest,
    ::testing::Values(
        RequestDraws{{0, 0, 0, 0}, {1, StartKind::GameStart, EndKind::Alley, 1}},
        RequestDraws{{0.5, 0.5, 0.5, 0.5}, {26, StartKind::LevelStart, EndKind::GameEnd, 3}},
        RequestDraws{{0.9999, 0.9999, 0.9999, 0.9999}, {50, StartKind::LevelStart, EndKind::LevelEnd, 4}}));

std::vector<MadeMaze> MakeMaps(testing::SeededEngine& test, const MazeBatch& batch) {
  MazeSurface surface;
  std::vector<MadeMaze> made;
  Make100Maps(test.engine, surface, batch, [&](const MadeMaze& maze) { made.push_back(maze); });
  EXPECT_TRUE(surface.ShowSurf()) << "the pictures stay on";
  return made;
}

TEST(Make100Maps, SavesEachPictureAndLineInTheProgramFoldersMaps) {
  testing::SeededEngine test(4242);
  MazeBatch batch;
  batch.count = 3;
  batch.length = 12;
  batch.direction = 2;
  const std::vector<MadeMaze> made = MakeMaps(test, batch);
  ASSERT_EQ(made.size(), 3u);
  const auto maps = test.folder / "Maps";
  for (int number = 1; number <= 3; ++number) {
    const MadeMaze& maze = made[static_cast<std::size_t>(number - 1)];
    EXPECT_EQ(maze.number, number);
    EXPECT_EQ(maze.request.length, 12);
    EXPECT_EQ(maze.request.direction, 2);
    EXPECT_EQ(maze.good.line.size(), 3u + 24u);
    EXPECT_EQ(maze.good.line[0], '2');
    EXPECT_EQ(maze.text, maps / ("Map" + std::to_string(number) + ".txt"));
    EXPECT_EQ(testing::ReadFile(maze.text), maze.good.line + "\r\n");
    EXPECT_EQ(testing::ReadFile(maps / ("Map" + std::to_string(number) + ".bmp")).substr(0, 2), "BM");
  }
  ASSERT_FALSE(test.host.messages.empty());
  EXPECT_EQ(test.host.messages.back().text, "Klar!");
  EXPECT_EQ(test.host.messages.back().icon, MessageIcon::None);
  EXPECT_EQ(test.host.messages.back().buttons, MessageButtons::Ok);

  testing::SeededEngine again(4242);
  const std::vector<MadeMaze> repeated = MakeMaps(again, batch);
  ASSERT_EQ(repeated.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(repeated[i].good.line, made[i].good.line);
  EXPECT_EQ(testing::ReadFile(again.folder / "Maps" / "Map3.bmp"), testing::ReadFile(maps / "Map3.bmp"));
}

TEST(Make100Maps, FolderThatCannotBeMadeIsReported) {
  testing::SeededEngine test(1);
  testing::WriteFile(test.folder / "Maps", "a file, not a folder");
  MazeSurface surface;
  EXPECT_THROW(Make100Maps(test.engine, surface, {}), MazeOutputError);
  EXPECT_TRUE(test.host.messages.empty());
  EXPECT_EQ(testing::ReadFile(test.folder / "Maps"), "a file, not a folder");
}

}  // namespace
}  // namespace vendrel
