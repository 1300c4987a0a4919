#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "command_run.h"
#include "program_folder_copy.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadFile;
using testing::TempFolder;

const std::filesystem::path kFixtures = VENDREL_PREVIEW_FIXTURES;

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

testing::CommandRun RunCli(const std::string& arguments) {
  return testing::RunCommand(Quoted(VENDREL_CLI) + " " + arguments + " </dev/null 2>&1");
}

bool IsPng(const std::filesystem::path& file) { return ReadFile(file).starts_with("\x89PNG\r\n"); }

TEST(CheckCommand, PassesASoundLevelAndPrintsEachFaultWithItsLineOtherwise) {
  const auto sealed = RunCli("check " + Quoted(kFixtures / "sealed_room.vmf"));
  EXPECT_EQ(sealed.status, 0) << sealed.output;
  EXPECT_THAT(sealed.output, HasSubstr("sealed_room.vmf: sound and sealed (7 brushes, 3 entities)."));

  const auto leaking = RunCli("check " + Quoted(kFixtures / "leaking_room.vmf"));
  EXPECT_EQ(leaking.status, 1) << leaking.output;
  EXPECT_THAT(leaking.output, HasSubstr((kFixtures / "leaking_room.vmf").string() +
                                        ": At line 343: the level leaks: the void reaches logic_relay at 64 0 16"));
  EXPECT_THAT(leaking.output, HasSubstr("1 fault: the map compiler would not build this level soundly."));

  EXPECT_NE(RunCli("check " + Quoted(kFixtures / "no_such_level.vmf")).status, 0);
}

TEST(PreviewCommand, DrawsLevelsAndRoomsOfEitherKind) {
  TempFolder temp;
  const auto level = RunCli("preview " + Quoted(kFixtures / "generated_level.vmf") + " " + Quoted(temp / "level.png"));
  EXPECT_EQ(level.status, 0) << level.output;
  EXPECT_THAT(level.output, HasSubstr("Level picture written: " + (temp / "level.png").string()));
  EXPECT_TRUE(IsPng(temp / "level.png"));

  const std::filesystem::path rooms[] = {std::filesystem::path(VENDREL_BUNDLED_ROOMS) / "MarketHall.rgr",
                                         std::filesystem::path(VENDREL_ROOM_SOURCES) / "market_hall.vmf"};
  for (const std::filesystem::path& room : rooms) {
    const auto drawn = RunCli("preview " + Quoted(room) + " " + Quoted(temp / "room.png"));
    EXPECT_EQ(drawn.status, 0) << drawn.output;
    EXPECT_THAT(drawn.output, HasSubstr("Room picture written: ")) << room;
    EXPECT_TRUE(IsPng(temp / "room.png"));
    std::filesystem::remove(temp / "room.png");
  }

  const auto unwritable = RunCli("preview " + Quoted(kFixtures / "sealed_room.vmf") + " " + Quoted(temp / "no/such/folder.png"));
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_THAT(unwritable.output, HasSubstr("the picture could not be written to"));
}

// Only the commands that draw load Qt; the program itself links none.
TEST(PreviewCommand, CommandsThatDrawNothingLoadNoQt) {
  EXPECT_THAT(testing::RunCommand("ldd " + Quoted(VENDREL_CLI)).output, Not(HasSubstr("libQt")));
  const std::string level = Quoted(kFixtures / "sealed_room.vmf");
  const auto loaded = [](const std::string& arguments) {
    return testing::RunCommand("LD_DEBUG=files " + Quoted(VENDREL_CLI) + " " + arguments + " 2>&1 >/dev/null").output;
  };
  EXPECT_THAT(loaded("check " + level), Not(HasSubstr("libQt6")));
  EXPECT_THAT(loaded("--help"), Not(HasSubstr("libQt6")));
  TempFolder temp;
  EXPECT_THAT(loaded("preview " + level + " " + Quoted(temp / "p.png")), HasSubstr("libQt6Gui"));
}

class GeneratePreview : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CopyProgramFolder(VENDREL_CLI, VENDREL_BUNDLED_ROOMS, VENDREL_SPAWN_DATA, folder.Path());
  }
  testing::CommandRun Generate(const std::string& arguments) {
    return testing::RunCommand("cd " + Quoted(folder.Path()) + " && ./vendrel-cli generate " + arguments + " </dev/null 2>&1");
  }
  TempFolder folder;
};

TEST_F(GeneratePreview, ChecksTheLevelAndDrawsIt) {
  std::filesystem::copy_file(VENDREL_PICTURE_MODULE, folder / std::filesystem::path(VENDREL_PICTURE_MODULE).filename());
  const auto run = Generate("--seed 11 --size 20 --preview level.png");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, HasSubstr("Check:         sound and sealed"));
  EXPECT_THAT(run.output, HasSubstr("Preview:       level.png"));
  EXPECT_TRUE(IsPng(folder / "level.png"));
}

TEST_F(GeneratePreview, ChecksWhenAskedOrWhereTheVerdictIsUsed) {
  const auto plain = Generate("--seed 11 --size 8");
  EXPECT_EQ(plain.status, 0) << plain.output;
  EXPECT_THAT(plain.output, Not(HasSubstr("Check:")));
  const auto checked = Generate("--seed 11 --size 8 --check");
  EXPECT_EQ(checked.status, 0) << checked.output;
  EXPECT_THAT(checked.output, HasSubstr("Check:         sound and sealed"));
}

TEST_F(GeneratePreview, WithoutThePictureModuleTheLevelIsStillWritten) {
  const auto run = Generate("--seed 11 --size 8 --preview level.png");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, HasSubstr("no preview: the picture module"));
  EXPECT_TRUE(std::filesystem::exists(folder / "level1.vmf"));
  EXPECT_FALSE(std::filesystem::exists(folder / "level.png"));
}

}  // namespace
}  // namespace vendrel
