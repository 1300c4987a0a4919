#include "room_preparation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "fixed_clock.h"
#include "map_error.h"
#include "param_name.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

// A clock that moves on by 1/64 s each time the time of day is read, so every timed step
// lasts exactly 15.625 ms.
class SteppingClock : public testing::FixedClock {
 public:
  double SecondsSinceMidnight() const override {
    return FixedClock::SecondsSinceMidnight() + 0.015625 * static_cast<double>(secondReads++);
  }
  mutable int secondReads = 0;
};

std::string RoomFileText(const std::string& body) {
  std::string text = "Test Room\r\n 0 \r\n0\r\n";
  for (int i = 0; i < 16; ++i) text += "\r\n";
  text += " comment \r\n author \r\n";
  return text + body + "/\\/EOF\\/\\\r\n";
}

const std::string kRoomBody =
    "solid\r\n{\r\n\"id\" \"5\"\r\nside\r\n{\r\n\"id\" \"6\"\r\n"
    "\"plane\" \"(0 0 0) (0 64 0) (64 64 0)\"\r\n"
    "\"uaxis\" \"[1 0 0 0] 0.25\"\r\n\"vaxis\" \"[0 -1 0 0] 0.25\"\r\n}\r\n}\r\n"
    "/\\/worldend\\/\\\r\n"
    "entity\r\n{\r\n\"id\" \"7\"\r\n\"classname\" \"func_door\"\r\n\"targetname\" \"Door1\"\r\n"
    "\"origin\" \"64 -32 8\"\r\n\"angles\" \"0 90 0\"\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"8\"\r\n\"classname\" \"logic_relay\"\r\n\"targetname\" \"relay\"\r\n"
    "connections\r\n{\r\n\"OnTrigger\" \"door1,Open,,0,-1\"\r\n}\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"9\"\r\n\"classname\" \"quilla_weapon\"\r\n\"origin\" \"0 0 "
    "0\"\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"10\"\r\n\"classname\" \"light\"\r\n\"origin\" \"0 0 64\"\r\n}\r\n";

// A host whose abort button is pressed during its yield number `abortAtYield` (from 1).
class AbortingHost : public testing::RecordingHost {
 public:
  void Yield() override {
    RecordingHost::Yield();
    if (yields == abortAtYield) abortRequested = true;
  }
  int abortAtYield = 0;
  bool abortRequested = false;
};

struct SpawnCall {
  float depth = -1;
  std::string spawnKind = "none";
  int calls = 0;
};

class GetReadyTest : public ::testing::Test {
 protected:
  GetReadyTest() {
    random.SetSeedMode(SeedMode::Custom, 77);
    random.StartRun();
  }

  std::filesystem::path Room(const std::string& body) {
    const auto file = folder / "room.rgr";
    testing::WriteFile(file, RoomFileText(body));
    return file;
  }

  // Copies the room's first solid into the world and appends a copy of the door and a
  // generated weapon, as the spawn expansion does.
  SpawnStep RecordingSpawn() {
    return [this](Items& room, Items& worldInserts, float depth, std::string_view kind) {
      ++spawn.calls;
      spawn.depth = depth;
      spawn.spawnKind = kind;
      const auto worldEnd = std::find(room.begin(), room.end(), kWorldEndMarker);
      worldInserts.assign(room.begin(), worldEnd);
      room.insert(room.end(),
                  {"entity", "{", "id", "7", "classname", "func_door", "targetname", "DOOR1", "}"});
      room.insert(room.end(), {"entity", "{", "id", "Insert ID Here", "classname", "weapon_smg1",
                               "origin", "1 2 3", "}"});
    };
  }

  std::string Prepare(const std::filesystem::path& roomFile, int rotations,
                      GetReadyResult* result = nullptr) {
    LevelWriter writer(folder / "temp.dta");
    RoomAssembly assembly{writer, entityLines, RecordingSpawn(), enemyMix, skipLights};
    assembly.nameCounter = nameCounter;
    const GetReadyResult got = GetReady(engine, assembly, roomFile, offset, 0.25F, nextId, rotations,
                                        connectors, host.abortRequested);
    nameCounter = assembly.nameCounter;
    names = assembly.names.newNames.size();
    if (result != nullptr) *result = got;
    writer.Close();
    return std::filesystem::exists(folder / "temp.dta") ? testing::ReadFile(folder / "temp.dta")
                                                        : std::string("(no file)");
  }

  std::string LogText() { return testing::ReadFile(log.FilePath()); }

  testing::TempFolder folder;
  AbortingHost host;
  SteppingClock clock;
  RandomSource random{clock};
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};

  Items entityLines = {"'kept' 'row'"};
  Vec3 offset{512, 0, 0};
  ConnectorPositions connectors{};
  long long nextId = 2;
  long long nameCounter = 0;
  std::size_t names = 99;
  int enemyMix = 10;
  bool skipLights = false;
  SpawnCall spawn;
};

TEST_F(GetReadyTest, TurnsMovesExpandsCleansRenamesRenumbersAndPrints) {
  nameCounter = 3;
  const std::string printed = Prepare(Room(kRoomBody), 1);

  // The copied brush prints first with fresh identifiers; the room's own follow.
  const std::string solid =
      "\t\tsolid\r\n\t\t{\r\n\t\t\t\"id\" \"@1\"\r\n\t\t\tside\r\n\t\t\t{\r\n"
      "\t\t\t\t\"id\" \"@2\"\r\n"
      "\t\t\t\t\"plane\" \"(512 0 0) (576 0 0) (576 -64 0)\"\r\n"
      "\t\t\t\t\"uaxis\" \"[0 -1 0 0] 0.25\"\r\n\t\t\t\t\"vaxis\" \"[-1 0 0 0] 0.25\"\r\n"
      "\t\t\t}\r\n\t\t}\r\n";
  auto numbered = [&solid](const char* first, const char* second) {
    std::string text = solid;
    text.replace(text.find("@1"), 2, first);
    text.replace(text.find("@2"), 2, second);
    return text;
  };
  EXPECT_EQ(printed, numbered("2", "3") + numbered("4", "5"));

  EXPECT_EQ(entityLines, (Items{"'kept' 'row'",
                                "entity",
                                "{",
                                "\"id\" \"6\"",
                                "\"classname\" \"func_door\"",
                                "\"targetname\" \"d\"",
                                "\"origin\" \"480 -64 8\"",
                                "\"angles\" \"0 90 0\"",
                                "}",
                                "entity",
                                "{",
                                "\"id\" \"7\"",
                                "\"classname\" \"logic_relay\"",
                                "\"targetname\" \"e\"",
                                "connections",
                                "{",
                                "\"OnTrigger\" \"d,Open,,0,-1\"",
                                "}",
                                "}",
                                "entity",
                                "{",
                                "\"id\" \"8\"",
                                "\"classname\" \"light\"",
                                "\"origin\" \"512 0 64\"",
                                "}",
                                "entity",
                                "{",
                                "\"id\" \"9\"",
                                "\"classname\" \"func_door\"",
                                "\"targetname\" \"d\"",
                                "}",
                                "entity",
                                "{",
                                "\"id\" \"10\"",
                                "\"classname\" \"weapon_smg1\"",
                                "\"origin\" \"1 2 3\"",
                                "}"}));
  EXPECT_EQ(nextId, 11);
  EXPECT_EQ(nameCounter, 5);
  EXPECT_EQ(names, 0u);  // the name list is emptied for the next room
  EXPECT_EQ(spawn.calls, 1);
  EXPECT_DOUBLE_EQ(spawn.depth, 0.25);
  EXPECT_DOUBLE_EQ(connectors[3].x, 512);
}

TEST_F(GetReadyTest, SkippedLightsAreRemoved) {
  skipLights = true;
  Prepare(Room(kRoomBody), 0);
  for (const std::string& row : entityLines) EXPECT_NE(row, "\"classname\" \"light\"");
  EXPECT_EQ(nextId, 10);
}

struct AbortCase {
  std::string name;
  int abortAtYield;  // 0: the abort came during a yield before the room
};

class AbortWhilePreparing : public GetReadyTest, public ::testing::WithParamInterface<AbortCase> {};

// The room's one connections block makes the name walk yield three times.
TEST_P(AbortWhilePreparing, LeavesTheRoomUnprinted) {
  host.abortAtYield = GetParam().abortAtYield;
  host.abortRequested = GetParam().abortAtYield == 0;
  GetReadyResult result;
  const std::string printed = Prepare(Room(kRoomBody), 1, &result);
  EXPECT_TRUE(result.aborted);
  EXPECT_FALSE(result.restartRequested);
  EXPECT_EQ(printed, "(no file)");
  EXPECT_EQ(entityLines, Items{"'kept' 'row'"});
}

INSTANTIATE_TEST_SUITE_P(Yields, AbortWhilePreparing,
                         ::testing::Values(AbortCase{"BeforeTheRoom", 0},
                                           AbortCase{"FirstYieldOfTheNameWalk", 1},
                                           AbortCase{"LastYieldOfTheNameWalk", 3}),
                         testing::ParamName());

TEST_F(GetReadyTest, AnAbortAfterTheLastYieldComesTooLateForTheRoom) {
  host.abortAtYield = 4;
  GetReadyResult result;
  const std::string printed = Prepare(Room(kRoomBody), 1, &result);
  EXPECT_EQ(host.yields, 3);
  EXPECT_FALSE(result.aborted);
  EXPECT_NE(printed.find("solid"), std::string::npos);
}

std::string OutOfBoundsRoom(int planes) {
  std::string body;
  for (int i = 0; i < planes; ++i) {
    body += "solid\r\n{\r\n\"id\" \"1\"\r\nside\r\n{\r\n\"plane\" \"(16000 " + std::to_string(i) +
            " 0) (0 0 0) (0 0 0)\"\r\n}\r\n}\r\n";
  }
  return body + "/\\/worldend\\/\\\r\n";
}

TEST_F(GetReadyTest, TenBoundaryErrorsRequestARestartAndPrintNothing) {
  log.SetDetailedStatus(true);
  GetReadyResult result;
  const std::string printed = Prepare(Room(OutOfBoundsRoom(10)), 0, &result);
  EXPECT_TRUE(result.restartRequested);
  EXPECT_EQ(printed, "(no file)");
  EXPECT_EQ(entityLines, Items{"'kept' 'row'"});
  EXPECT_EQ(nextId, 2);
  EXPECT_EQ(spawn.calls, 0);
  const std::string logged = LogText();
  EXPECT_NE(logged.find("] Boundry Error! (16000 0 0) XYZdif: 512 0 0\r\n"), std::string::npos);
  EXPECT_NE(logged.find("] Boundry Error! (16000 9 0) XYZdif: 512 0 0\r\n"), std::string::npos);
  EXPECT_NE(logged.find("] BEL reached after 10 Boundry Errors!\r\n"), std::string::npos);
  ASSERT_FALSE(host.statuses.empty());
  EXPECT_EQ(host.statuses.back(), "Path out of bounds! Restart in 2...");
}

TEST_F(GetReadyTest, NineBoundaryErrorsStillPrintTheRoom) {
  GetReadyResult result;
  const std::string printed = Prepare(Room(OutOfBoundsRoom(9)), 0, &result);
  EXPECT_FALSE(result.restartRequested);
  EXPECT_NE(printed.find("(16512 8 0)"), std::string::npos);
  EXPECT_EQ(LogText().find("Boundry Error!"), std::string::npos);  // detail lines only
}

TEST_F(GetReadyTest, BenchmarkLinesWithTheDetailedStatus) {
  log.SetDetailedStatus(true);
  Prepare(Room(kRoomBody), 1);
  const std::string logged = LogText();
  // The turn and the move are one walk, timed as the move.
  const std::string expected =
      "] Benchmark:\r\n"
      "[05:07:09]   -=ACTION=-     -=TIME(MS)=-\r\n"
      "[05:07:09] Total Time:     234\r\n"
      "[05:07:09] Read Room:      15.625\r\n"
      "[05:07:09] Rotate Room:    0\r\n"
      "[05:07:09] Move Room:      15.625\r\n"
      "[05:07:09] Spawn Entitys:  15.625\r\n"
      "[05:07:09] Remove Entitys: 15.625\r\n"
      "[05:07:09] Fix Names:      15.625\r\n"
      "[05:07:09] Fix Ids:        15.625\r\n"
      "[05:07:09] Print Room:     15.625\r\n"
      "[05:07:09] Others:         125\r\n"
      "[05:07:09] Done!\r\n";
  EXPECT_NE(logged.find(expected), std::string::npos) << logged;
  EXPECT_NE(logged.find("] Starting convertion of room " + (folder / "room.rgr").string()),
            std::string::npos);
  EXPECT_NE(logged.find("] Reading Room..." + (folder / "room.rgr").string()), std::string::npos);
  EXPECT_EQ(host.statuses.back(), "Done!");
}

TEST_F(GetReadyTest, RealsInLogLinesTakeTheDecimalSymbolWhileMapTextKeepsItsPoint) {
  log.SetDetailedStatus(true);
  log.SetDecimalSymbol(",");
  const std::string printed = Prepare(Room(kRoomBody), 0);
  EXPECT_NE(LogText().find("] Read Room:      15,625\r\n"), std::string::npos) << LogText();
  EXPECT_NE(printed.find("\"vaxis\" \"[0 -1 0 0] 0.25\""), std::string::npos) << printed;
  EXPECT_EQ(printed.find("0,25"), std::string::npos);
}

TEST_F(GetReadyTest, NoBenchmarkWithoutTheDetailedStatus) {
  Prepare(Room(kRoomBody), 1);
  EXPECT_EQ(LogText().find("Benchmark"), std::string::npos);
  EXPECT_EQ(LogText().find("Done!"), std::string::npos);
  for (const std::string& status : host.statuses) EXPECT_NE(status, "Done!");
}

struct BadRoomCase {
  const char* name;
  std::string fileText;  // empty: no file at all
  std::string says;
};

class BadRoomFiles : public GetReadyTest, public ::testing::WithParamInterface<BadRoomCase> {};

TEST_P(BadRoomFiles, EndTheRunNamingTheFile) {
  const auto file = folder / "broken.rgr";
  if (!GetParam().fileText.empty()) testing::WriteFile(file, GetParam().fileText);
  EXPECT_THROW(Prepare(file, 1), MapErrorExit);
  ASSERT_FALSE(host.messages.empty());
  const std::string& shown = host.messages[0].text;
  EXPECT_NE(shown.find(file.string()), std::string::npos) << shown;
  EXPECT_NE(shown.find(GetParam().says), std::string::npos) << shown;
  EXPECT_EQ(spawn.calls, 0);
  EXPECT_EQ(entityLines, Items{"'kept' 'row'"});
  EXPECT_FALSE(std::filesystem::exists(folder / "errorlog.txt"))
      << "a broken room file is the user's to mend, not a fault of the program";
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, BadRoomFiles,
    ::testing::Values(
        BadRoomCase{"Missing", "", "cannot be opened"},
        BadRoomCase{"EndsEarly", "Test Room\r\n 0 \r\n0\r\nsolid\r\n{\r\n", "ends inside"},
        BadRoomCase{"NoEndLine",
                    "Test Room\r\n 0 \r\n0\r\n" + std::string(18, '\n') + "solid\r\n{\r\n",
                    "At line 24: the room file ends before its end line"},
        BadRoomCase{"WordWhereTheTurnNeedsANumber",
                    RoomFileText("entity\r\n{\r\n\"origin\" \"north 0 0\"\r\n}\r\n"),
                    "At line 24: the value \"north 0 0\" of \"origin\" holds \"north\""},
        BadRoomCase{"MissingFieldWhereTheMoveAdds",
                    RoomFileText("solid\r\n{\r\n\"plane\" \"(0 0 0) (1 1) (2 2 2)\"\r\n}\r\n"),
                    "At line 24: the value \"(0 0 0) (1 1) (2 2 2)\" of \"plane\" holds \"\""},
        BadRoomCase{
            "ZeroTextureScale",
            RoomFileText("solid\r\n{\r\n\"uaxis\" \"[1 0 0 0] 0\"\r\n}\r\n/\\/worldend\\/\\\r\n"),
            "At line 24: the value \"[0 -1 0 0] 0\" of \"uaxis\" has a texture scale of zero"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ChooseSpawnKind, FollowsTheEnemyMix) {
  testing::FixedClock clock;
  RandomSource random(clock);
  random.SetSeedMode(SeedMode::Custom, 12345);
  random.StartRun();
  const int draws = 4000;
  for (const int mix : {0, 10, 20}) {
    std::map<std::string, int> kinds;
    for (int i = 0; i < draws; ++i) ++kinds[std::string(ChooseSpawnKind(random, mix))];
    if (mix == 10) {
      EXPECT_EQ(kinds[""], 0);
      EXPECT_NEAR(kinds["c"], draws / 2, draws / 20);
      EXPECT_NEAR(kinds["x"], draws / 2, draws / 20);
    } else {
      EXPECT_NEAR(kinds[""], draws / 10, draws / 40) << mix;
      EXPECT_EQ(kinds[mix == 0 ? "c" : "x"], 0) << mix;
    }
  }
}

}  // namespace
}  // namespace vendrel
