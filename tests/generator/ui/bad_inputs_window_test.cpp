#include <gmock/gmock.h>

#include <functional>
#include <string>

#include "folder_contents.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

namespace fs = std::filesystem;

// What a player can hand the window that is broken, and what must come of it: a box that
// names the file, no box quoting more than a line of it, and nothing on disk changed.
struct BadWindowInput {
  std::string name;
  std::function<void(const fs::path& rooms, const fs::path& data)> damage;
  std::string seed;
  std::string named;
};

void ForEachRoom(const fs::path& rooms, const std::function<void(std::string&)>& change) {
  for (const auto& entry : fs::directory_iterator(rooms)) {
    std::string text = vendrel::testing::ReadFile(entry.path());
    change(text);
    vendrel::testing::WriteFile(entry.path(), text);
  }
}

class BadWindowInputs : public testing::WindowFixture,
                        public ::testing::WithParamInterface<BadWindowInput> {};

TEST_P(BadWindowInputs, AreNamedInABoxAndLeaveTheFilesAsTheyWere) {
  testing::WriteSmallLibrary(Rooms());
  dataFolder = folder / "data";
  fs::create_directory(dataFolder);
  for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    fs::copy_file(testing::kSpawnData / data, dataFolder / data);
  }
  vendrel::testing::WriteFile(LevelFile(), "the old level");
  testing::WriteAccount(account);
  ASSERT_TRUE(WriteAccountFile(program, {true, account.string()}));
  GetParam().damage(Rooms(), dataFolder);
  const auto before = vendrel::testing::FolderContents(folder.Path());

  StartWithoutAccount(random);
  if (!ended) {
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText(QString::fromStdString(GetParam().seed));
    Find<QPushButton>("Command1")->click();
  }

  bool named = false;
  for (const auto& message : dialogs->messages) {
    named = named || message.text.find(GetParam().named) != std::string::npos;
    EXPECT_LE(message.text.size(), 400u) << message.title << " quotes too much";
  }
  std::string said;
  for (const auto& message : dialogs->messages) said += message.title + ": " + message.text + "\n";
  EXPECT_TRUE(named) << said;
  const auto after = vendrel::testing::FolderContents(folder.Path());
  for (const auto& [file, text] : before) {
    const auto found = after.find(file);
    ASSERT_NE(found, after.end()) << file << " was lost";
    EXPECT_TRUE(found->second == text) << file << " was changed";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadWindowInputs,
    ::testing::Values(
        BadWindowInput{"RoomFilesCutShort",
                       [](const fs::path& rooms, const fs::path&) {
                         ForEachRoom(rooms, [](std::string& room) { room.resize(room.size() * 3 / 5); });
                       },
                       "1", ".rgr"},
        BadWindowInput{"RoomsWithTenMegabytesOnALine",
                       [](const fs::path& rooms, const fs::path&) {
                         ForEachRoom(rooms, [](std::string& room) {
                           room.insert(room.find("solid\r\n"), std::string(10'000'000, '7') + "\r\n");
                         });
                       },
                       "1", ".rgr"},
        BadWindowInput{"ARoomsFolderThatIsAFile",
                       [](const fs::path& rooms, const fs::path&) {
                         fs::remove_all(rooms);
                         vendrel::testing::WriteFile(rooms, "not a folder");
                       },
                       "1", "rooms"},
        BadWindowInput{"AnEmptyDataFile",
                       [](const fs::path&, const fs::path& data) {
                         vendrel::testing::WriteFile(data / "itemdata.ini", "");
                       },
                       "1", "itemdata.ini"},
        BadWindowInput{"ADataFileWithCarriageReturnsOnly",
                       [](const fs::path&, const fs::path& data) {
                         std::string text = vendrel::testing::ReadFile(data / "npcdata.ini");
                         std::erase(text, '\n');
                         vendrel::testing::WriteFile(data / "npcdata.ini", text);
                       },
                       "1", "npcdata.ini"},
        BadWindowInput{"AnEmptyRoomsFolder",
                       [](const fs::path& rooms, const fs::path&) {
                         fs::remove_all(rooms);
                         fs::create_directory(rooms);
                       },
                       "1", "rooms"},
        BadWindowInput{"AMissingDataFile",
                       [](const fs::path&, const fs::path& data) { fs::remove(data / "npcdata.ini"); },
                       "1", "npcdata.ini"},
        BadWindowInput{"ANegativeCountInADataFile",
                       [](const fs::path&, const fs::path& data) {
                         std::string text = vendrel::testing::ReadFile(data / "gundata.ini");
                         text.replace(0, text.find('\r'), "-3");
                         vendrel::testing::WriteFile(data / "gundata.ini", text);
                       },
                       "1", "gundata.ini"},
        BadWindowInput{"ASeedOfLetters", [](const fs::path&, const fs::path&) {}, "abc", "abc"}),
    [](const ::testing::TestParamInfo<BadWindowInput>& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace vendrel::generator_ui
