#include "compile_main.h"

#include <gtest/gtest.h>

#include <set>

#include "level_check.h"
#include "map_error.h"
#include "room_fixtures.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

// One room of every type with every connector of the given size.
void WriteUniformRooms(const std::filesystem::path& rooms, int size, long long genre = 0,
                       int halfWidth = 256, int brushes = 1) {
  const std::string tag = std::to_string(size) + "g" + std::to_string(genre);
  for (int type : {0, 1, 2, 3, 4, 6}) {
    testing::WriteFixtureRoom(rooms, {"type" + std::to_string(type) + "size" + tag, type,
                                      {size, size, size, size}, genre, halfWidth, brushes});
  }
}

using GenerationRunTest = testing::RunFixture;

// A start room whose exit has size 2, straight rooms that change size from one end to
// the other, and rooms of every type in size 1 and in size 2: every cell must meet its
// entry cell with a connector of that cell's size, at both ends of every doorway.
TEST_F(GenerationRunTest, ConnectorSizesAreMatchedAtBothEnds) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start2", 5, {2, 0, 0, 0}});
  testing::WriteFixtureRoom(rooms, {"hall12", 0, {1, 0, 2, 0}});
  testing::WriteFixtureRoom(rooms, {"hall21", 0, {2, 0, 1, 0}});
  WriteUniformRooms(rooms, 1);
  WriteUniformRooms(rooms, 2);

  std::set<std::string> used;
  for (const int size : {5, 12, 20, 35}) {
    for (long long seed = 1; seed <= 3; ++seed) {
      const RunOutcome outcome = Generate(rooms, size, seed);
      ASSERT_EQ(outcome.end, RunEnd::Done);
      const auto problems = testing::CheckLevel(LevelFile(), outcome);
      EXPECT_TRUE(problems.empty()) << problems.front();
      for (const PlacedRoom& room : outcome.rooms) used.insert(room.file.stem().string());
    }
  }
  EXPECT_TRUE(used.contains("hall12") || used.contains("hall21"));
  EXPECT_TRUE(used.contains("type0size1g0") && used.contains("type0size2g0"));
}

TEST_F(GenerationRunTest, ACellNoRoomFitsEndsTheRunWithTheTypeCode) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start2", 5, {2, 0, 0, 0}});
  WriteUniformRooms(rooms, 1);
  options.mapSize = 10;
  UseSeed(3);
  try {
    Once(rooms);
    FAIL() << "a room was found";
  } catch (const MapErrorExit& error) {
    EXPECT_FALSE(error.Fatal());
    EXPECT_TRUE(std::string(error.what()).starts_with(
        "Could not find any rooms to match current room connection type! ("));
  }
  EXPECT_FALSE(std::filesystem::exists(LevelFile()));
}

TEST_F(GenerationRunTest, OnlyRoomsOfTheChosenGenreAreUsed) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start1", 5, {1, 0, 0, 0}, 1});
  WriteUniformRooms(rooms, 1, 1);
  testing::WriteFixtureRoom(rooms, {"start0", 5, {1, 0, 0, 0}, 0});
  WriteUniformRooms(rooms, 1, 0);
  options.genre = 1;
  const RunOutcome outcome = Generate(rooms, 15, 8);
  ASSERT_EQ(outcome.end, RunEnd::Done);
  for (const PlacedRoom& room : outcome.rooms) {
    EXPECT_TRUE(room.file.stem().string().ends_with("1")) << room.file;
  }
}

TEST_F(GenerationRunTest, WritesTheLevelFileReplacingTheOldAndLogsItsStages) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start", 5, {1, 0, 0, 0}});
  WriteUniformRooms(rooms, 1);
  testing::WriteFile(LevelFile(), std::string(100000, 'x'));

  const RunOutcome outcome = Generate(rooms, 10, 4);
  ASSERT_EQ(outcome.end, RunEnd::Done);
  EXPECT_EQ(outcome.levelFile, LevelFile());
  const std::string level = testing::ReadFile(LevelFile());
  EXPECT_TRUE(level.starts_with("versioninfo\r\n{\r\n\t\"mapversion\" \"8\"\r\n"));
  EXPECT_EQ(level.find('x', level.rfind("entity")), std::string::npos) << "nothing of the old file";
  EXPECT_NE(level.find("\t\"skyname\" \"" + outcome.skyName + "\"\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
  EXPECT_EQ(outcome.identifiers, run.State().nextId - 1);
  EXPECT_EQ(outcome.entitiesByClass.at("info_player_start"), 1);
  EXPECT_GE(outcome.mazeAttempts, 1);
  // Each room's census: the start room brings the player start, and together they make the level's.
  ASSERT_EQ(outcome.entitiesByRoom.size(), outcome.rooms.size());
  EXPECT_EQ(outcome.entitiesByRoom.front().at("info_player_start"), 1);
  std::map<std::string, int> summed;
  for (const auto& room : outcome.entitiesByRoom) {
    for (const auto& [className, count] : room) summed[className] += count;
  }
  EXPECT_EQ(summed, outcome.entitiesByClass);

  const std::string logText = LogText();
  const std::string cells = std::to_string(outcome.cells);
  for (const std::string& line :
       {std::string("Categorizing 7 rooms..."), std::string("Randomizing Levels..."),
        std::string("Creating maze 1 of 1"),
        "Fetching maze line with " + std::to_string(outcome.roomsDrawn) + " rooms.",
        "Randomizing room " + std::to_string(2 * outcome.cells - 1) + " of " +
            std::to_string(2 * outcome.roomsDrawn + 1),
        "Choosed " + outcome.skyName + " as skybox.", std::string("Starting creation of level 1 of 1"),
        "Generating room " + cells + " of " + cells + " (Level:1/1)",
        "Calling GetReady with parameters: " + outcome.rooms.back().file.string() + " ",
        "Adding map entitys... (1/1 " + std::to_string(outcome.cells + 1) + "/" + cells + ")"}) {
    EXPECT_NE(logText.find("] " + line), std::string::npos) << line;
  }
  EXPECT_EQ(host.statuses.back(), "Done!");
  EXPECT_EQ(host.progress.back(), 100);
}

// A host whose abort button is pressed when a given status shows.
class AbortingHost : public testing::RecordingHost {
 public:
  void SetStatus(std::string_view text) override {
    RecordingHost::SetStatus(text);
    if (!abortAt.empty() && text.starts_with(abortAt)) pressed = true;
  }
  void Yield() override {
    RecordingHost::Yield();
    if (pressed && state != nullptr) state->abortRequested = true;
    pressed = false;
  }
  std::string abortAt;
  bool pressed = false;
  RunState* state = nullptr;
};

struct AbortTest : ::testing::Test, testing::CustomRunContext<AbortingHost> {

  RunOutcome Once() {
    const RoomTable table = Categorize(engine, RoomsFolder(folder.Path()));
    return run.CompileMain({options, table, testing::kSpawnData, DefaultLevelPaths(folder.Path())});
  }
  void SetUp() override {
    testing::WriteFixtureRoom(RoomsFolder(folder.Path()), {"start", 5, {1, 0, 0, 0}});
    WriteUniformRooms(RoomsFolder(folder.Path()), 1);
    host.state = &run.State();
    options.mapSize = 10;
  }
};

TEST_F(AbortTest, AnAbortAfterTheMazeWritesNothing) {
  host.abortAt = "Creating maze 1 of 1";
  EXPECT_EQ(Once().end, RunEnd::Aborted);
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
  EXPECT_FALSE(std::filesystem::exists(folder / "level1.vmf"));
  EXPECT_FALSE(run.State().abortRequested) << "cleared when the run returns";
}

TEST_F(AbortTest, AnAbortBetweenRoomsRemovesTheWorkingFileAndKeepsTheOldLevel) {
  testing::WriteFile(folder / "level1.vmf", "the old level");
  host.abortAt = "Generating room 3 of ";
  const RunOutcome aborted = Once();
  EXPECT_EQ(aborted.end, RunEnd::Aborted);
  EXPECT_EQ(aborted.rooms.size(), 2u)
      << "the room being prepared when the abort came is not printed";
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
  EXPECT_EQ(testing::ReadFile(folder / "level1.vmf"), "the old level");

  host.abortAt = "never shown";
  const RunOutcome outcome = Once();
  ASSERT_EQ(outcome.end, RunEnd::Done);
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
  const auto problems = testing::CheckLevel(folder / "level1.vmf", outcome);
  EXPECT_TRUE(problems.empty()) << problems.front();
}

// Rooms so wide that the third cell of any path lies beyond the world bounds, with brushes
// enough for the ten boundary errors that give a room up.
TEST_F(AbortTest, RoomsLeavingTheWorldBoundsRequestARestartThatDrawsOn) {
  const auto rooms = RoomsFolder(folder.Path());
  std::filesystem::remove_all(rooms);
  testing::WriteFixtureRoom(rooms, {"start", 5, {1, 0, 0, 0}, 0, 6000, 2});
  WriteUniformRooms(rooms, 1, 0, 6000, 2);
  options.mapSize = 20;
  options.seedMode = SeedMode::Custom;
  options.customSeedText = "77";
  ApplySeed(options, random);

  const RunOutcome first = Once();
  EXPECT_EQ(first.end, RunEnd::RestartRequested);
  EXPECT_EQ(run.State().restartCountdown, 2);
  EXPECT_TRUE(run.State().restartPending);
  EXPECT_FALSE(run.State().abortRequested);
  EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "Path out of bounds! Restart in 2..."),
            host.statuses.end());
  EXPECT_FALSE(std::filesystem::exists(folder / "level1.vmf"));

  // The restarted run goes on from where the random source stands instead of meeting the
  // same maze again; a run started by hand begins the seed's sequence afresh.
  const RunOutcome restarted = Once();
  EXPECT_EQ(restarted.end, RunEnd::RestartRequested);
  EXPECT_NE(restarted.mazeLine, first.mazeLine);
  run.State().restartPending = false;
  EXPECT_EQ(Once().mazeLine, first.mazeLine);
}

}  // namespace
}  // namespace vendrel
