// The placeholder expansion as the room preparation runs it, from room file to printed
// rows: what it copies is renamed and renumbered with the rest of its room.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "map_error.h"
#include "room_preparation.h"
#include "spawn_fixture.h"

namespace vendrel {
namespace {

std::string RoomFileText(const std::string& body) {
  std::string text = "Spawn Room\r\n 0 \r\n0\r\n";
  for (int i = 0; i < 16; ++i) text += "\r\n";
  text += " comment \r\n author \r\n";
  return text + body + "/\\/EOF\\/\\\r\n";
}

// Body lines start at line 22 of the room file.
const std::string kBody =
    "solid\r\n{\r\n\"id\" \"5\"\r\nside\r\n{\r\n\"id\" \"6\"\r\n"
    "\"plane\" \"(0 0 0) (0 64 0) (64 64 0)\"\r\n}\r\n}\r\n"
    "/\\/worldend\\/\\\r\n"
    "entity\r\n{\r\n\"id\" \"7\"\r\n\"classname\" \"quilla_spawn_contoller\"\r\n"
    "\"origin\" \"0 0 0\"\r\n\"controll1\" \"Crate\"\r\n\"shares1\" \"1\"\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"8\"\r\n\"classname\" \"prop_physics\"\r\n\"targetname\" \"Crate\"\r\n"
    "\"origin\" \"0 0 0\"\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"9\"\r\n\"classname\" \"logic_relay\"\r\n\"targetname\" \"relay\"\r\n"
    "connections\r\n{\r\n\"OnTrigger\" \"crate,Break,,0,-1\"\r\n}\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"10\"\r\n\"classname\" \"func_quilla_spawngroup\"\r\n"
    "\"targetname\" \"group\"\r\nsolid\r\n{\r\n\"id\" \"11\"\r\nside\r\n{\r\n\"id\" \"12\"\r\n"
    "\"plane\" \"(0 0 64) (0 64 64) (64 64 64)\"\r\n}\r\n}\r\n}\r\n"
    "entity\r\n{\r\n\"id\" \"13\"\r\n\"classname\" \"quilla_spawn_contoller\"\r\n"
    "\"origin\" \"0 0 0\"\r\n\"controll1\" \"group\"\r\n\"shares1\" \"2\"\r\n}\r\n";

class SpawnInRoomTest : public testing::SpawnFixture {
 protected:
  SpawnInRoomTest() {
    random.draws = std::deque<double>(16, 0.5);
  }

  void Prepare(const std::string& body) {
    const auto roomFile = folder / "room.rgr";
    testing::WriteFile(roomFile, RoomFileText(body));
    LevelWriter writer(folder / "temp.dta");
    SpawnStep step = [this](Items& room, Items& inserts, double depth, std::string_view kind) {
      SpawnRands(context, room, inserts, depth, kind);
    };
    RoomAssembly assembly{writer, entityLines, step, 10, false};
    ConnectorPositions connectors{};
    GetReady(engine, assembly, roomFile, Vec3{}, 0.5F, nextId, 0, connectors, false);
    writer.Close();
    worldRows = testing::ReadFile(folder / "temp.dta");
  }

  Items entityLines;
  long long nextId = 2;
  std::string worldRows;
};

TEST_F(SpawnInRoomTest, CopiesGetFreshIdsAndTheRoomsNewNames) {
  Prepare(kBody);

  std::string allRows = worldRows;
  for (const std::string& line : entityLines) allRows += line + "\r\n";
  const std::regex idRow("\"id\" \"([^\"]*)\"");
  std::set<std::string> ids;
  int idCount = 0;
  for (auto it = std::sregex_iterator(allRows.begin(), allRows.end(), idRow);
       it != std::sregex_iterator(); ++it) {
    ids.insert((*it)[1]);
    ++idCount;
  }
  EXPECT_EQ(idCount, 7) << "two brushes with a side each, crate, relay, copy:\n" << allRows;
  EXPECT_EQ(static_cast<int>(ids.size()), idCount) << "no identifier twice:\n" << allRows;
  EXPECT_EQ(nextId, 2 + idCount);

  EXPECT_NE(worldRows.find("\"plane\" \"(0 0 64) (0 64 64) (64 64 64)\""), std::string::npos)
      << "the drawn group's brush is a world brush";
  EXPECT_EQ(allRows.find("quilla"), std::string::npos) << "placeholders are removed";

  // The crate and its copy carry the name the relay's output now targets.
  std::string crateName;
  for (const std::string& line : entityLines) {
    const std::string output = "\"OnTrigger\" \"";
    if (line.starts_with(output)) {
      crateName = line.substr(output.size(), line.find(',') - output.size());
    }
  }
  ASSERT_FALSE(crateName.empty());
  int named = 0;
  for (const std::string& line : entityLines) {
    named += line == "\"targetname\" \"" + crateName + "\"" ? 1 : 0;
  }
  EXPECT_EQ(named, 2) << allRows;
}

TEST_F(SpawnInRoomTest, ShareThatIsNotANumberNamesTheRoomFileAndLine) {
  const std::string body = "/\\/worldend\\/\\\r\n"
                           "entity\r\n{\r\n\"classname\" \"quilla_spawn_contoller\"\r\n"
                           "\"controll1\" \"group\"\r\n\"shares1\" \"often\"\r\n}\r\n";
  EXPECT_THROW(Prepare(body), MapErrorExit);
  ASSERT_FALSE(host.messages.empty());
  const std::string& shown = host.messages[0].text;
  EXPECT_NE(shown.find((folder / "room.rgr").string() + ": At line 27: the value \"often\" of "
                       "\"shares1\" is not a number"),
            std::string::npos)
      << shown;
}

}  // namespace
}  // namespace vendrel
