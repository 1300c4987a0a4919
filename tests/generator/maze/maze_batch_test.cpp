#include "maze_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "map_error.h"
#include "maze_test_engine.h"
#include "param_name.h"

namespace vendrel {
namespace {

struct RequestDraws {
  std::string name;
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
        RequestDraws{"AllZero", {0, 0, 0, 0}, {1, StartKind::GameStart, EndKind::Alley, 1}},
        RequestDraws{"AllHalf", {0.5, 0.5, 0.5, 0.5}, {26, StartKind::LevelStart, EndKind::GameEnd, 3}},
        RequestDraws{"AllNearlyOne", {0.9999, 0.9999, 0.9999, 0.9999},
                     {50, StartKind::LevelStart, EndKind::LevelEnd, 4}}),
    testing::ParamName());

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

TEST(Make100Maps, FolderThatCannotBeMadeIsReportedThroughMapError) {
  testing::SeededEngine test(1);
  testing::WriteFile(test.folder / "Maps", "a file, not a folder");
  MazeSurface surface;
  try {
    Make100Maps(test.engine, surface, {});
    FAIL() << "the batch went on";
  } catch (const MapErrorExit& error) {
    EXPECT_FALSE(error.Fatal());
    EXPECT_TRUE(std::string(error.what())
                    .starts_with("Could not create the maze folder \"" + (test.folder / "Maps").string() + "\": "))
        << error.what();
  }
  EXPECT_EQ(testing::ReadFile(test.folder / "Maps"), "a file, not a folder");
  EXPECT_FALSE(std::filesystem::exists(test.folder / "errorlog.txt"));
}

TEST(Make100Maps, ANegativeCountIsAFaultOfTheProgramAndWritesTheErrorLog) {
  testing::SeededEngine test(1);
  MazeSurface surface;
  MazeBatch batch;
  batch.count = -1;
  EXPECT_THROW(Make100Maps(test.engine, surface, batch), MapErrorExit);
  EXPECT_EQ(testing::ReadFile(test.folder / "errorlog.txt"),
            "Make100Maps: A maze batch needs a count of 0 or more\r\n");
}

// The first line's request (4 rooms, game start, game end, east) is followed by bodies
// that turn right three times onto the start cell, 5000 times over; then every draw is 0,
// which makes the second line a straight one that passes.
TEST(Make100Maps, ALineNotCreatedIn5000AttemptsGetsNoFilesAndTheBatchGoesOn) {
  testing::ScriptedEngine test;
  test.random.draws = {0.07, 0.1, 0.5, 0.3};
  for (int attempt = 0; attempt < kMaxLineAttempts; ++attempt) {
    test.random.draws.insert(test.random.draws.end(), {0.9, 0.1, 0.9, 0.9, 0.9, 0.9});
  }
  MazeSurface surface;
  MazeBatch batch;
  batch.count = 2;
  std::vector<MadeMaze> heard;
  const MazeBatchResult result =
      Make100Maps(test.engine, surface, batch, [&](const MadeMaze& maze) { heard.push_back(maze); });

  EXPECT_EQ(result.created, 1);
  EXPECT_EQ(result.failed, 1);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_FALSE(heard[0].created);
  EXPECT_EQ(heard[0].number, 1);
  EXPECT_EQ(heard[0].request.length, 4);
  EXPECT_EQ(heard[0].request.direction, 2);
  EXPECT_TRUE(heard[0].picture.empty());
  EXPECT_TRUE(heard[1].created);
  const auto maps = test.folder / "Maps";
  EXPECT_FALSE(std::filesystem::exists(maps / "Map1.bmp"));
  EXPECT_FALSE(std::filesystem::exists(maps / "Map1.txt"));
  EXPECT_EQ(testing::ReadFile(maps / "Map2.txt"), heard[1].good.line + "\r\n");
  EXPECT_EQ(test.host.messages.back().text, "Klar!");
  EXPECT_FALSE(std::filesystem::exists(test.folder / "errorlog.txt"));
  const std::vector<std::string> log = test.LogLines();
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "Could not create maze 1 (4 rooms, start kind 0, end kind 1, direction 2) in "
                      "5000 attempts; it gets no files."),
            log.end());
}

}  // namespace
}  // namespace vendrel
