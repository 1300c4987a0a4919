#include <gtest/gtest.h>

#include <set>

#include "map_error.h"
#include "room_coverage.h"
#include "room_fixtures.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

using testing::FixtureRoom;

// A genre of two connector sizes: straights change the size, every other type has a
// room of each size, unless a test leaves one out.
std::vector<FixtureRoom> TwoSizeLibrary() {
  std::vector<FixtureRoom> rooms{{"start", 5, {1, 0, 0, 0}}, {"straight12", 0, {1, 0, 2, 0}},
                                 {"straight21", 0, {2, 0, 1, 0}}};
  for (const int size : {1, 2}) {
    const std::string suffix = std::to_string(size);
    for (const int type : {1, 2, 3, 4, 6}) {
      rooms.push_back({"type" + std::to_string(type) + "size" + suffix, type, {size, size, size, size}});
    }
  }
  return rooms;
}

struct CoveragePredictionTest : testing::RunFixture {
  std::filesystem::path rooms = RoomsFolder(folder.Path());

  void WriteLibraryWithout(const std::string& leftOut) {
    for (const FixtureRoom& room : TwoSizeLibrary()) {
      if (room.name != leftOut) testing::WriteFixtureRoom(rooms, room);
    }
  }
  std::set<std::string> PredictedErrors() {
    std::set<std::string> errors;
    for (const CoverageRow& hole : CoverageOf(Categorize(engine, rooms), options.genre).Holes()) {
      errors.insert("Could not find any rooms to match current room connection type! (" +
                    std::to_string(hole.typeCode) + ")");
    }
    return errors;
  }
  // The run's errors over a range of seeds, each once.
  std::multiset<std::string> ErrorsOverSeeds() {
    std::multiset<std::string> errors;
    for (long long seed = 1; seed <= 40; ++seed) {
      try {
        Generate(rooms, 12, seed);
      } catch (const MapErrorExit& error) {
        errors.insert(error.what());
        // The maze was made before its room went missing, and the run still tells.
        EXPECT_GE(run.State().mazeAttempts, 1);
      }
    }
    return errors;
  }
};

TEST_F(CoveragePredictionTest, AMissingTurnOfOneSizeIsNamedAndRunsFailThere) {
  WriteLibraryWithout("type1size2");
  const std::vector<CoverageRow> holes = CoverageOf(Categorize(engine, rooms), options.genre).Holes();
  ASSERT_EQ(holes.size(), 1u);
  EXPECT_EQ(holes[0].typeCode, 1);
  EXPECT_EQ(holes[0].size, 2);

  const std::multiset<std::string> errors = ErrorsOverSeeds();
  EXPECT_GT(errors.count("Could not find any rooms to match current room connection type! (1)"), 0u);
  const std::set<std::string> predicted = PredictedErrors();
  for (const std::string& error : errors) EXPECT_TRUE(predicted.contains(error)) << error;
}

TEST_F(CoveragePredictionTest, AFullLibraryHasNoHoleAndNoRunMissesARoom) {
  WriteLibraryWithout("");
  EXPECT_TRUE(PredictedErrors().empty());
  EXPECT_TRUE(ErrorsOverSeeds().empty());
}

}  // namespace
}  // namespace vendrel
