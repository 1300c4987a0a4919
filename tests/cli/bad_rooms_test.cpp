#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "command_run.h"
#include "param_name.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// vendrel-cli in a program folder of its own, with the bundled rooms and the data files,
// so that its log file lands there too.
class BadRoomsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(VENDREL_CLI, folder / "vendrel-cli");
    std::filesystem::copy(VENDREL_BUNDLED_ROOMS, Rooms());
    for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
      std::filesystem::copy_file(std::filesystem::path(VENDREL_SPAWN_DATA) / data, folder / data);
    }
  }

  std::filesystem::path Rooms() const { return folder / "rooms"; }

  // What the command printed on stdout; its stderr goes to Errors().
  testing::CommandRun Run(const std::string& arguments) {
    return testing::RunCommand("cd '" + folder.Path().string() + "' && ./vendrel-cli " + arguments +
                               " 2> err.txt < /dev/null");
  }
  std::string Errors() const { return testing::ReadFile(folder / "err.txt"); }
  std::string LogText() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      if (entry.path().filename().string().starts_with("quillalog ")) {
        return testing::ReadFile(entry.path());
      }
    }
    return "no log file";
  }

  testing::TempFolder folder;
};

std::string ShortHeader() { return "name\r\n 0 \r\n4\r\n"; }

TEST_F(BadRoomsTest, RoomsListsUnreadableRoomsAsUnusableAndWarnsOfEveryRoomLeftOut) {
  testing::WriteFile(Rooms() / "Broken.rgr", ShortHeader());
  testing::WriteFile(Rooms() / "Empty.rgr", "");

  const testing::CommandRun run = Run("rooms");

  EXPECT_EQ(run.status, 0) << Errors();
  EXPECT_THAT(run.output, HasSubstr("Broken.rgr"));
  EXPECT_THAT(run.output, HasSubstr("(unusable, never chosen: its header couldn't be read: holds "
                                    "only 3 of the 21 header items)"));
  EXPECT_EQ(Errors(), "warning: Room file " + (Rooms() / "Empty.rgr").string() +
                          " left out: it was empty and has been deleted.\n"
                          "warning: Room file " +
                          (Rooms() / "Broken.rgr").string() +
                          " left out: its header couldn't be read: holds only 3 of the 21 header "
                          "items.\n");
  EXPECT_FALSE(std::filesystem::exists(Rooms() / "Empty.rgr"));
}

TEST_F(BadRoomsTest, GenerateWarnsBeforeTheRunLogsTheSameLinesAndNeverUsesTheRoom) {
  testing::WriteFile(Rooms() / "Broken.rgr", ShortHeader());
  testing::WriteFile(Rooms() / "Binary.rgr", std::string("\x7f"
                                                         "ELF\x02\x01\x01\0\0\n",
                                                         10));

  const testing::CommandRun run = Run("generate --seed 7 --size 12 --out level.vmf");

  ASSERT_EQ(run.status, 0) << Errors();
  EXPECT_TRUE(std::filesystem::exists(folder / "level.vmf"));
  const std::string errors = Errors();
  const std::string log = LogText();
  for (const std::string& line :
       {"Room file " + (Rooms() / "Binary.rgr").string() +
            " left out: its header couldn't be read: At line 1: an item holds the control byte "
            "127 (a binary file, or line ends other than CR LF).",
        "Room file " + (Rooms() / "Broken.rgr").string() +
            " left out: its header couldn't be read: holds only 3 of the 21 header items."}) {
    EXPECT_THAT(errors, HasSubstr("warning: " + line + "\n"));
    EXPECT_THAT(log, HasSubstr("] " + line + "\r\n"));
  }
  EXPECT_THAT(log, HasSubstr("Calling GetReady with parameters: "));
  for (const char* unusable : {"Binary.rgr", "Broken.rgr"}) {
    EXPECT_THAT(log, Not(HasSubstr("parameters: " + (Rooms() / unusable).string())));
  }
}

// The bundled library's one alley with a size 2 connector gone: a maze that leads a
// size 2 way into a dead end finds no room.
TEST_F(BadRoomsTest, RoomsShowsTheHoleAndGenerateWarnsOfItBeforeTheRun) {
  std::filesystem::remove(Rooms() / "LoadingDock.rgr");
  const std::string warning =
      "genre 0 has no room for an alley (type 4) entered through a size 2 connector on its own "
      "side 0; a run that needs one stops with \"Could not find any rooms to match current "
      "room connection type! (4)\".";

  const testing::CommandRun rooms = Run("rooms --genre 0");
  EXPECT_EQ(rooms.status, 0) << Errors();
  EXPECT_THAT(rooms.output, HasSubstr("4 alley           2     0     -     -     -  <- no room\n"));
  EXPECT_THAT(rooms.output, HasSubstr("4 alley           1     5     -     -     -\n"));
  EXPECT_THAT(rooms.output, HasSubstr("SniperNest.rgr               Sniper Nest                  4 alley              0  N1             Vendrel"));
  EXPECT_THAT(rooms.output, HasSubstr("41 rooms in "));

  Run("generate --seed 7 --size 12 --out level.vmf");
  EXPECT_THAT(Errors(), HasSubstr("warning: " + warning + "\n"));
  EXPECT_THAT(LogText(), HasSubstr("] Warning: " + warning + "\r\n"));
}

struct BrokenRoomCase {
  std::string name;
  std::function<void(std::string&)> breakRoom;
  std::string problem;
};

class GenerateWithABrokenRoom : public BadRoomsTest,
                                public ::testing::WithParamInterface<BrokenRoomCase> {};

// Every room of the library is broken the same way, so whichever the run places first
// stops it.
TEST_P(GenerateWithABrokenRoom, FailsNamingTheFileAndLineAndWritesNoLevel) {
  for (const auto& entry : std::filesystem::directory_iterator(Rooms())) {
    std::string text = testing::ReadFile(entry.path());
    GetParam().breakRoom(text);
    testing::WriteFile(entry.path(), text);
  }

  const testing::CommandRun run = Run("generate --seed 7 --size 12 --out level.vmf");

  EXPECT_NE(run.status, 0);
  EXPECT_THAT(Errors(), ::testing::MatchesRegex("(.|\n)*" + Rooms().string() +
                                                "/[A-Za-z]+\\.rgr: At line [0-9]+: (.|\n)*"));
  EXPECT_THAT(Errors(), HasSubstr(GetParam().problem));
  EXPECT_FALSE(std::filesystem::exists(folder / "level.vmf"));
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GenerateWithABrokenRoom,
    ::testing::Values(
        BrokenRoomCase{"OneBraceRemoved",
                       [](std::string& text) { Replace(text, "}\r\n/\\/EOF", "/\\/EOF"); },
                       " is never closed"},
        BrokenRoomCase{
            "StrayWordBeforeABrace",
            [](std::string& text) { Replace(text, "solid\r\n{", "solid\r\nstray\r\n{"); },
            "the word \"solid\" is neither a key with its value on its line nor a block "
            "name followed by {"},
        BrokenRoomCase{
            "PlanePointFarOutside",
            [](std::string& text) { Replace(text, "\"plane\" \"(", "\"plane\" \"(1e308 "); },
            "far outside the world"}),
    testing::ParamName());

}  // namespace
}  // namespace vendrel
