#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "command_run.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using Outcome = testing::CommandRun;

// Runs a copy of vendrel-cli placed in `folder` with the given arguments.
class CopiedCli {
 public:
  CopiedCli() {
    std::filesystem::copy_file(VENDREL_CLI, program_);
  }
  const std::filesystem::path& Folder() const { return folder_.Path(); }

  Outcome Run(const std::string& arguments) const {
    return testing::RunCommand("'" + program_.string() + "' " + arguments + " 2>/dev/null");
  }

 private:
  testing::TempFolder folder_;
  std::filesystem::path program_ = folder_ / "vendrel-cli";
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The lines of a run that must succeed.
std::vector<std::string> PrintedLines(const CopiedCli& cli, const std::string& arguments) {
  const Outcome outcome = cli.Run(arguments);
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  return Lines(outcome.output);
}

TEST(MazesCommand, WritesPicturesAndLinesIntoTheProgramFoldersMaps) {
  const CopiedCli cli;
  const std::vector<std::string> lines = PrintedLines(cli, "mazes --count 3 --length 12 --seed 7");
  ASSERT_EQ(lines.size(), 4u);
  const auto maps = cli.Folder() / "Maps";
  for (int number = 1; number <= 3; ++number) {
    const std::string name = "Map" + std::to_string(number);
    const std::string& printed = lines[static_cast<std::size_t>(number - 1)];
    EXPECT_EQ(printed.rfind(name + ".bmp: 12 rooms, ", 0), 0u) << printed;
    const std::string text = testing::ReadFile(maps / (name + ".txt"));
    ASSERT_EQ(text.size(), 3u + 24u + 2u) << text;
    EXPECT_EQ(text.substr(27), "\r\n");
    EXPECT_EQ(printed.substr(printed.size() - 27), text.substr(0, 27)) << "the line is printed too";
    EXPECT_EQ(testing::ReadFile(maps / (name + ".bmp")).substr(0, 2), "BM");
  }
  EXPECT_EQ(lines[3], "Wrote 3 mazes to " + maps.string());

  const CopiedCli again;
  ASSERT_EQ(again.Run("mazes --count 3 --length 12 --seed 7").status, 0);
  for (const char* file : {"Map1.txt", "Map3.txt", "Map3.bmp"}) {
    EXPECT_EQ(testing::ReadFile(again.Folder() / "Maps" / file), testing::ReadFile(maps / file)) << file;
  }
}

TEST(MazesCommand, FixedKindsAndDirectionByNameIntoAnotherFolder) {
  const CopiedCli cli;
  const auto out = cli.Folder() / "pictures" / "today";
  const Outcome outcome = cli.Run("mazes --count 2 --seed 11 --direction east --start-kind level --end-kind 0 --out '" +
                                  out.string() + "'");
  ASSERT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_FALSE(std::filesystem::exists(cli.Folder() / "Maps"));
  for (const char* file : {"Map1.txt", "Map2.txt"}) {
    const std::string text = testing::ReadFile(out / file);
    EXPECT_EQ(text.substr(0, 3), "228") << text;
    for (std::size_t at = 1; at + 2 < text.size(); at += 2) {
      const int code = std::stoi(text.substr(at, 2));
      EXPECT_FALSE(code >= 19 && code <= 26) << "only alleys end the branches of " << text;
    }
  }
}

TEST(MazesCommand, LinesNotCreatedIn5000AttemptsAreReportedAndCounted) {
  const CopiedCli cli;
  const std::vector<std::string> lines =
      PrintedLines(cli, "mazes --count 2 --length 120 --seed 1 --direction north");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Map1: 120 rooms, start kind ", 0), 0u) << lines[0];
  EXPECT_TRUE(lines[1].ends_with(", direction 1, not created in 5000 attempts, no files")) << lines[1];
  EXPECT_EQ(lines[2], "Wrote 0 mazes to " + (cli.Folder() / "Maps").string() +
                          "; 2 lines were not created in 5000 attempts");
  EXPECT_TRUE(std::filesystem::is_empty(cli.Folder() / "Maps"));
}

TEST(MazesCommand, RefusesValuesOutOfRangeAndWritesNothing) {
  const CopiedCli cli;
  for (const char* arguments : {"mazes --length 256", "mazes --seed abc", "mazes --direction up",
                                "mazes --count -1", "mazes --end-kind 3"}) {
    const Outcome outcome = cli.Run(arguments);
    EXPECT_NE(outcome.status, 0) << arguments;
    EXPECT_TRUE(outcome.output.empty()) << arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(cli.Folder() / "Maps"));
}

TEST(MazesCommand, OutputFolderThatIsAFileFails) {
  const CopiedCli cli;
  testing::WriteFile(cli.Folder() / "taken", "x");
  const Outcome outcome = cli.Run("mazes --count 1 --seed 1 --out '" + (cli.Folder() / "taken").string() + "'");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(testing::ReadFile(cli.Folder() / "taken"), "x");
}

}  // namespace
}  // namespace vendrel
