#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "command_run.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using ::testing::HasSubstr;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

const std::filesystem::path kFixtures = VENDREL_ROOMKIT_FIXTURES;

using CliRun = testing::CommandRun;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs vendrel-cli with its input from /dev/null, as a script or a build would.
CliRun RunCli(const std::string& arguments) {
  return testing::RunCommand(Quoted(VENDREL_CLI) + " " + arguments + " </dev/null 2>&1");
}

TEST(DeployCommand, DeploysEveryMapWithTheGivenTextsAndSucceeds) {
  TempFolder temp;
  const CliRun run = RunCli("deploy --yes --comment 'Made, with care' --author Tester --rooms " +
                            Quoted((temp / "rooms").string()) + " " +
                            Quoted((kFixtures / "turn_south_west.vmf").string()) + " " +
                            Quoted((kFixtures / "alley_west.vmf").string()));

  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, HasSubstr("2 of 2 maps deployed."));
  EXPECT_THAT(run.output, HasSubstr("turned 2 times"));
  const std::string room = ReadFile(temp / "rooms" / "BendTest.rgr");
  EXPECT_THAT(room, HasSubstr("\r\n Made; with care \r\n Tester \r\nsolid\r\n"));
  EXPECT_TRUE(std::filesystem::exists(temp / "rooms" / "WestAlley.rgr"));
}

TEST(DeployCommand, PrintsAFaultWithTheKitsTextsAndFails) {
  TempFolder temp;
  std::string map = ReadFile(kFixtures / "alley_west.vmf");
  map.replace(map.find("\"size\" \"1\""), 10, "\"size\" \"5\"");
  WriteFile(temp / "oversized.vmf", map);
  const CliRun run = RunCli("deploy --yes --rooms " + Quoted((temp / "rooms").string()) + " " +
                            Quoted((kFixtures / "turn_south_west.vmf").string()) + " " +
                            Quoted((temp / "oversized.vmf").string()));

  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.output, HasSubstr("There's a problem with this room: oversized.vmf: Incorrect size parameter in "
                                    "one of your quilla_connectors! Remove or replace them!"));
  EXPECT_THAT(run.output, HasSubstr("Please, fix this error and try again!"));
  EXPECT_THAT(run.output, HasSubstr("1 of 2 maps deployed."));
  EXPECT_TRUE(std::filesystem::exists(temp / "rooms" / "BendTest.rgr"));
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms" / "WestAlley.rgr"));
}

TEST(DeployCommand, WithoutYesAQuestionIsAnsweredNoAndNothingIsWritten) {
  TempFolder temp;
  std::string map = ReadFile(kFixtures / "alley_west.vmf");
  map.replace(map.find("light_spot"), 10, "info_target");
  WriteFile(temp / "dark.vmf", map);
  const CliRun run = RunCli("deploy --rooms " + Quoted((temp / "rooms").string()) + " " +
                            Quoted((temp / "dark.vmf").string()));

  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.output, HasSubstr("Your map has no lights! Do you want to continiune anyway?"));
  EXPECT_THAT(run.output, HasSubstr("0 of 1 maps deployed."));
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms"));
}

}  // namespace
}  // namespace vendrel
