#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "folder_contents.h"
#include "program_folder_copy.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

namespace fs = std::filesystem;

// What a user can hand the programs that is broken, and what must come of it: a non-zero
// exit, a message naming the file, no message line quoting more than a line of the file,
// and nothing that was on disk before changed or lost.
struct BadInput {
  std::string name;
  std::function<void(const fs::path& folder)> damage;
  std::string arguments;
  std::string named;  // what the messages must name
  std::string shellPrefix = {};  // run before the program, in its shell
};

void ForEachRoom(const fs::path& folder, const std::function<void(const fs::path&, std::string&)>& change) {
  for (const auto& entry : fs::directory_iterator(folder / "rooms")) {
    std::string text = testing::ReadFile(entry.path());
    change(entry.path(), text);
    testing::WriteFile(entry.path(), text);
  }
}

bool IsStartRoom(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  for (int n = 0; n < 3 && std::getline(lines, line); ++n) {
  }
  return line.rfind('5', 0) == 0;
}

class BadInputs : public ::testing::TestWithParam<BadInput> {
 protected:
  void SetUp() override {
    testing::CopyProgramFolder(VENDREL_CLI, VENDREL_BUNDLED_ROOMS, VENDREL_SPAWN_DATA, folder.Path());
    fs::copy_file(fs::path(VENDREL_ROOMKIT_FIXTURES) / "alley_west.vmf", folder / "alley.vmf");
    testing::WriteFile(folder / "level1.vmf", "the old level");
  }

  int Run(const BadInput& input) {
    const std::string command = "cd '" + folder.Path().string() + "' && (" + input.shellPrefix +
                                "./vendrel-cli " + input.arguments +
                                ") > /dev/null 2> err.txt < /dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  testing::TempFolder folder;
};

TEST_P(BadInputs, AreRefusedByNameAndLeaveTheFilesAsTheyWere) {
  GetParam().damage(folder.Path());
  const auto before = testing::FolderContents(folder.Path());
  EXPECT_NE(Run(GetParam()), 0);
  const std::string errors = testing::ReadFile(folder / "err.txt");
  EXPECT_NE(errors.find(GetParam().named), std::string::npos) << errors.substr(0, 2000);
  std::istringstream lines(errors);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 400u) << "a message quotes too much: " << line.substr(0, 200);
  }
  const auto after = testing::FolderContents(folder.Path());
  for (const auto& [file, text] : before) {
    const auto found = after.find(file);
    ASSERT_NE(found, after.end()) << file << " was lost";
    EXPECT_TRUE(found->second == text) << file << " was changed";
  }
}

std::string RandomBytes(std::size_t count) {
  std::mt19937 draw(7);
  std::string bytes(count, '\0');
  for (char& c : bytes) c = static_cast<char>(draw() & 0xff);
  return bytes;
}

const char* const kGenerate = "generate --seed 1 --size 8";

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInputs,
    ::testing::Values(
        BadInput{"RoomFilesCutShort",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) { room.resize(room.size() * 3 / 5); });
                 },
                 kGenerate, ".rgr"},
        BadInput{"RoomFilesOfBinaryBytes",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) { room = RandomBytes(4096); });
                 },
                 kGenerate, ".rgr"},
        BadInput{"RoomHeadersOfTwentyItems",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) {
                     room.clear();
                     for (int i = 0; i < 20; ++i) room += " 1 \r\n";
                   });
                 },
                 kGenerate, ".rgr"},
        BadInput{"RoomFilesWithCarriageReturnsOnly",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) { std::erase(room, '\n'); });
                 },
                 kGenerate, ".rgr"},
        BadInput{"StartRoomsWithTenMegabytesOnALine",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) {
                     if (!IsStartRoom(room)) return;
                     const auto solid = room.find("solid\r\n");
                     room.insert(solid, std::string(10'000'000, '7') + "\r\n");
                   });
                 },
                 kGenerate, ".rgr"},
        BadInput{"TextureScalesOfZero",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) {
                     for (auto at = room.find("] 0.25\""); at != std::string::npos; at = room.find("] 0.25\"", at)) {
                       room.replace(at, 7, "] 0\"");
                     }
                   });
                 },
                 kGenerate, ".rgr"},
        BadInput{"PlanePointsThatAreWords",
                 [](const fs::path& f) {
                   ForEachRoom(f, [](const fs::path&, std::string& room) {
                     const auto at = room.find("\"plane\" \"(");
                     room.replace(at, 10, "\"plane\" \"(wall");
                   });
                 },
                 kGenerate, ".rgr"},
        BadInput{"AnEmptyRoomsFolder",
                 [](const fs::path& f) {
                   fs::remove_all(f / "rooms");
                   fs::create_directory(f / "rooms");
                 },
                 kGenerate, "rooms"},
        BadInput{"ARoomsFolderThatIsAFile",
                 [](const fs::path& f) {
                   fs::remove_all(f / "rooms");
                   testing::WriteFile(f / "rooms", "not a folder");
                 },
                 kGenerate, "rooms"},
        BadInput{"AMissingDataFile", [](const fs::path& f) { fs::remove(f / "npcdata.ini"); },
                 kGenerate, "npcdata.ini"},
        BadInput{"AnEmptyDataFile", [](const fs::path& f) { testing::WriteFile(f / "itemdata.ini", ""); },
                 kGenerate, "itemdata.ini"},
        BadInput{"ANegativeCountInADataFile",
                 [](const fs::path& f) {
                   std::string text = testing::ReadFile(f / "gundata.ini");
                   text.replace(0, text.find('\r'), "-3");
                   testing::WriteFile(f / "gundata.ini", text);
                 },
                 kGenerate, "gundata.ini"},
        BadInput{"ADataFileWithCarriageReturnsOnly",
                 [](const fs::path& f) {
                   std::string text = testing::ReadFile(f / "npcdata.ini");
                   std::erase(text, '\n');
                   testing::WriteFile(f / "npcdata.ini", text);
                 },
                 kGenerate, "npcdata.ini"},
        BadInput{"ADesignersMapWithUnbalancedBraces",
                 [](const fs::path& f) {
                   std::string text = testing::ReadFile(f / "alley.vmf");
                   text.erase(text.find("}\r\n", text.find("solid")), 3);
                   testing::WriteFile(f / "alley.vmf", text);
                 },
                 "deploy --yes --rooms rooms alley.vmf", "alley.vmf"},
        BadInput{"ADesignersMapWithoutAWorld",
                 [](const fs::path& f) {
                   std::string text = testing::ReadFile(f / "alley.vmf");
                   const auto world = text.find("world\r\n");
                   text.replace(world, 5, "plain");
                   testing::WriteFile(f / "alley.vmf", text);
                 },
                 "deploy --yes --rooms rooms alley.vmf", "alley.vmf"},
        BadInput{"ADesignersMapOfTwoHundredThousandBrushes",
                 [](const fs::path& f) {
                   std::string text = testing::ReadFile(f / "alley.vmf");
                   std::string side = "side\r\n{\r\n\"plane\" \"(0 0 0) (64 0 0) (0 64 0)\"\r\n}\r\n";
                   std::string solid = "solid\r\n{\r\n\"id\" \"9\"\r\n" + side + side + side + side + "}\r\n";
                   std::string brushes;
                   brushes.reserve(solid.size() * 200'000);
                   for (int i = 0; i < 200'000; ++i) brushes += solid;
                   text.insert(text.find("solid\r\n"), brushes);
                   testing::WriteFile(f / "alley.vmf", text);
                 },
                 "deploy --yes --rooms rooms alley.vmf", "alley.vmf"},
        BadInput{"ASeedOfLetters", [](const fs::path&) {}, "generate --seed abc", "abc"},
        BadInput{"ASeedOfThirtyDigits", [](const fs::path&) {},
                 "generate --seed 123456789012345678901234567890", "123456789012345678901234567890"},
        BadInput{"AnOutThatIsAFolder", [](const fs::path& f) { fs::create_directory(f / "out"); },
                 "generate --seed 1 --out out", "out"},
        BadInput{"AnOutThatIsADevice", [](const fs::path&) {}, "generate --seed 1 --out /dev/zero",
                 "/dev/zero"},
        // A disk that fills while the level is written: the shell's file size limit stands in
        // for it, its signal ignored so the write fails as on a full disk.
        BadInput{"ADiskThatFills", [](const fs::path&) {}, "generate --seed 1 --size 35", "temp.dta",
                 "trap '' XFSZ; ulimit -f 64; "}),
    [](const ::testing::TestParamInfo<BadInput>& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace vendrel
