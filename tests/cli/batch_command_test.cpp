#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "command_run.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using ::testing::HasSubstr;

// vendrel-cli in a program folder of its own, reading a copy of the bundled rooms, so
// that its log and level files could only land there.
class BatchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VENDREL_CLI, folder / "vendrel-cli");
    std::filesystem::copy(VENDREL_BUNDLED_ROOMS, folder / "rooms");
  }

  testing::CommandRun Run(const std::string& arguments) {
    return testing::RunCommand("cd '" + folder.Path().string() + "' && ./vendrel-cli batch --data '" +
                               std::string(VENDREL_SPAWN_DATA) + "' " + arguments + " 2> err.txt < /dev/null");
  }
  std::string Errors() const { return testing::ReadFile(folder / "err.txt"); }

  // The text without its lines that hold `timing`: the times differ from run to run.
  static std::string WithoutTimings(const std::string& text, const std::string& timing) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
      if (line.find(timing) == std::string::npos) kept += line + "\n";
    }
    return kept;
  }

  testing::TempFolder folder;
};

TEST_F(BatchCommandTest, OneJobAndTwoJobsReportTheSameAndKeepNoLevelFile) {
  const testing::CommandRun one = Run("--count 12 --size 10 --seed 3 --jobs 1 --json one.json");
  ASSERT_EQ(one.status, 0) << Errors();
  const testing::CommandRun two = Run("--count 12 --size 10 --seed 3 --jobs 2 --json two.json");
  ASSERT_EQ(two.status, 0) << Errors();

  EXPECT_THAT(one.output, HasSubstr("Levels:            12 (seeds 3 to 14)\nSucceeded:         12\nFailed:            0\n"));
  EXPECT_THAT(one.output, HasSubstr("Time per level:    median "));
  EXPECT_EQ(WithoutTimings(one.output, "Time per level:"), WithoutTimings(two.output, "Time per level:"));
  const std::string json = testing::ReadFile(folder / "one.json");
  EXPECT_THAT(json, HasSubstr("\"levels\": 12,\n"));
  EXPECT_THAT(json, HasSubstr("\"roomsByType\": {\"0 two way\": "));
  EXPECT_EQ(WithoutTimings(json, "secondsPerLevel"),
            WithoutTimings(testing::ReadFile(folder / "two.json"), "secondsPerLevel"));
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    EXPECT_NE(entry.path().extension(), ".vmf") << entry.path();
  }
}

TEST_F(BatchCommandTest, ADifferentSeedGivesADifferentReport) {
  const testing::CommandRun first = Run("--count 4 --size 10 --seed 3");
  const testing::CommandRun second = Run("--count 4 --size 10 --seed 30");
  EXPECT_NE(WithoutTimings(first.output, "Levels:"), WithoutTimings(second.output, "Levels:"));
}

TEST_F(BatchCommandTest, FailuresAreCountedWithTheRunsOwnMessage) {
  // The only alley with a size 2 connector is gone.
  std::filesystem::remove(folder / "rooms" / "LoadingDock.rgr");
  const testing::CommandRun run = Run("--count 30 --size 14 --seed 1");
  EXPECT_EQ(run.status, 1) << Errors();
  EXPECT_THAT(Errors(), HasSubstr("warning: genre 0 has no room for an alley (type 4)"));
  EXPECT_THAT(run.output,
              ::testing::ContainsRegex("Failed: +[1-9][0-9]*\n  [1-9][0-9]* x Could not find any rooms "
                                       "to match current room connection type! \\(4\\)\n"));
}

TEST_F(BatchCommandTest, KeepWritesEveryLevelUnderItsSeed) {
  const testing::CommandRun run = Run("--count 3 --size 8 --seed 41 --keep kept");
  ASSERT_EQ(run.status, 0) << Errors();
  for (const char* level : {"level-41.vmf", "level-42.vmf", "level-43.vmf"}) {
    EXPECT_GT(std::filesystem::file_size(folder / "kept" / level), 0u) << level;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "kept"),
                          std::filesystem::directory_iterator()),
            3);
}

}  // namespace
}  // namespace vendrel
