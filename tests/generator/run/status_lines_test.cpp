#include <gtest/gtest.h>

#include <algorithm>

#include "room_fixtures.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

struct RunLine {
  std::string start;  // how the line begins
  bool shown;         // in the status label as well as in the log file
};

// The run's lines as they are routed: the stages a player follows show in the status
// label, the detail for the log file stays there.
const std::vector<RunLine> kRunLines = {
    {"Categorizing 7 rooms...", true},
    {"Randomizing Levels...", true},
    {"Randomizing levels...", false},
    {"Creating maze 1 of 1", true},
    {"Fetching maze line with ", false},
    {"Randomizing room 1 of ", true},
    {"Choosed ", false},
    {"Starting creation of level 1 of 1", false},
    {"Generating room 1 of ", true},
    {"Calling GetReady with parameters: ", false},
    {"Starting convertion of room ", false},
    {"Reading Room...", false},
    {"Adding map entitys... (1/1 ", true},
};

using StatusLines = testing::RunFixture;

TEST_F(StatusLines, EachRunLineGoesToTheLogAndOnlyTheStagesToTheStatusLabel) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"start", 5, {1, 0, 0, 0}});
  for (int type : {0, 1, 2, 3, 4, 6}) testing::WriteFixtureRoom(rooms, {"type" + std::to_string(type), type});
  ASSERT_EQ(Generate(rooms, 8, 3).end, RunEnd::Done);

  const std::string logText = LogText();
  for (const RunLine& line : kRunLines) {
    EXPECT_NE(logText.find("] " + line.start), std::string::npos) << line.start;
    const bool shown = std::any_of(host.statuses.begin(), host.statuses.end(),
                                   [&](const std::string& status) { return status.starts_with(line.start); });
    EXPECT_EQ(shown, line.shown) << line.start;
  }
  EXPECT_EQ(host.statuses.back(), "Done!");
  EXPECT_EQ(logText.find("] Done!"), std::string::npos) << "set in the label, not logged";
  EXPECT_EQ(std::count_if(host.statuses.begin(), host.statuses.end(),
                          [](const std::string& status) { return status.ends_with(" attempts."); }),
            0)
      << "the attempt count is for the log file only";
}

}  // namespace
}  // namespace vendrel
