#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "program_folder_copy.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

// vendrel-cli in a program folder of its own, with the bundled rooms and the data files.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CopyProgramFolder(VENDREL_CLI, VENDREL_BUNDLED_ROOMS, VENDREL_SPAWN_DATA, folder.Path());
  }

  Result Run(const std::string& arguments) {
    const std::string command = "cd '" + folder.Path().string() + "' && ./vendrel-cli " + arguments +
                                " > out.txt 2> err.txt < /dev/null";
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = testing::ReadFile(folder / "out.txt");
    result.err = testing::ReadFile(folder / "err.txt");
    return result;
  }

  std::string LogText() {
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      if (entry.path().filename().string().starts_with("quillalog ")) return testing::ReadFile(entry.path());
    }
    return "no log file";
  }

  testing::TempFolder folder;
};

TEST_F(CliTest, GeneratesTheSameLevelForTheSameSeedAndSumsItUp) {
  const Result first = Run("generate --seed 7 --size 12");
  ASSERT_EQ(first.status, 0) << first.err;
  const std::string level = testing::ReadFile(folder / "level1.vmf");
  EXPECT_TRUE(level.starts_with("versioninfo\r\n"));
  for (const std::string& line :
       {"Level written: " + (folder / "level1.vmf").string(), std::string("Seed:          7"),
        std::string("Rooms:         "), std::string("Identifiers:   "),
        std::string("info_player_start 1"), std::string("Time:          ")}) {
    EXPECT_NE(first.out.find(line), std::string::npos) << line << "\n" << first.out;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));

  ASSERT_EQ(Run("generate --seed 7 --size 12").status, 0);
  EXPECT_EQ(testing::ReadFile(folder / "level1.vmf"), level);
  ASSERT_EQ(Run("generate --seed 8 --size 12").status, 0);
  EXPECT_NE(testing::ReadFile(folder / "level1.vmf"), level);
}

TEST_F(CliTest, SettingsReachTheRunAndOutPutsTheFileWhereAsked) {
  const Result result = Run("generate --seed 3 --clock 0 --moon 1 --season 2 --latitude 60 "
                            "--no-monsters --skip-lights --enemies 10 --enemy-mix 20 --difficulty 3 "
                            "--ammo 0 --new-weapons 10 --all-weapons --genre 0 --detailed "
                            "--out night.vmf");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string level = testing::ReadFile(folder / "night.vmf");
  EXPECT_NE(level.find("\"skyname\" \"sky_day01_09\""), std::string::npos) << "midnight";
  EXPECT_NE(level.find("\"_light\" \"0 0 0 200\""), std::string::npos) << "no moon";
  EXPECT_EQ(level.find("\"classname\" \"npc_"), std::string::npos) << "no monsters";
  EXPECT_EQ(level.find("\"classname\" \"light\""), std::string::npos) << "no room lights";
  EXPECT_FALSE(std::filesystem::exists(folder / "level1.vmf"));
  EXPECT_NE(LogText().find("Benchmark:"), std::string::npos) << "the detailed status logs";
}

TEST_F(CliTest, WithoutTheLogTheLogFileStaysEmpty) {
  ASSERT_EQ(Run("generate --seed 2 --size 5 --no-log").status, 0);
  EXPECT_EQ(LogText(), "");
}

struct RefusedCase {
  const char* arguments;
  int status;
  const char* message;
};

class CliRefuses : public CliTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CliRefuses, BadSettingsAndLibrariesExitNonZeroSayingWhy) {
  std::filesystem::create_directory(folder / "empty");
  const Result result = Run(GetParam().arguments);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "level1.vmf"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliRefuses,
    ::testing::Values(
        RefusedCase{"generate --size 36", 105, "--size: Value 36 not in range 5 to 35"},
        RefusedCase{"generate --latitude -51", 105, "--latitude: Value -51 not in range -50 to 90"},
        RefusedCase{"generate --seed 12a", 2, "The seed \"12a\" is not a whole number"},
        RefusedCase{"generate --genre 5", 2, "The genre must be from 0 to 4, not 5."},
        RefusedCase{"generate --seed 1 --rooms empty", 1,
                    "Could not find any rooms to match current room connection type! (5)"},
        RefusedCase{"generate --seed 1 --data empty", 1, "itemdata.ini"},
        RefusedCase{"generate --seed 1 --out empty", 1,
                    "/empty is a folder: name a regular file or a path that does not exist yet."},
        RefusedCase{"generate --seed 1 --out /dev/null", 1, "The level file /dev/null is a device"}),
    [](const ::testing::TestParamInfo<RefusedCase>& testCase) {
      std::string name;
      for (const char c : std::string(testCase.param.arguments)) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) name += c;
        else if (!name.empty() && name.back() != '_') name += '_';
      }
      return name;
    });

TEST_F(CliTest, RoomsListsTheLibrary) {
  const Result result = Run("rooms");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("ArrivalOffice.rgr"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("5 game start"), std::string::npos);
  EXPECT_NE(result.out.find("N1 E1 S1 W1"), std::string::npos);
  EXPECT_NE(result.out.find("N2 E2 S2 W2"), std::string::npos) << "a crossing of wide gates";
  EXPECT_NE(result.out.find("42 rooms in"), std::string::npos);
}

}  // namespace
}  // namespace vendrel
