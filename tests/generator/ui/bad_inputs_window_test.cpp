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

void ChangeFile(const fs::path& file, const std::function<void(std::string&)>& change) {
  std::string text = vendrel::testing::ReadFile(file);
  change(text);
  vendrel::testing::WriteFile(file, text);
}

void ForEachRoom(const fs::path& rooms, const std::function<void(std::string&)>& change) {
  for (const auto& entry : fs::directory_iterator(rooms)) ChangeFile(entry.path(), change);
}

// The room the scan must leave out; the run goes on without a part of the maze it needs.
void ChangeOneRoom(const fs::path& rooms, const std::function<void(std::string&)>& change) {
  ChangeFile(rooms / "type2.rgr", change);
}

// Where the header's line `line` (counted from 1) starts.
std::size_t LineStart(const std::string& text, int line) {
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) start = text.find("\r\n", start) + 2;
  return start;
}

// Every texture axis of every room written as `axis`.
void SetEveryTextureAxis(const fs::path& rooms, const std::string& axis) {
  ForEachRoom(rooms, [&axis](std::string& room) {
    const std::string plain = "[1 0 0 0] 0.25";
    for (std::size_t at = room.find(plain); at != std::string::npos; at = room.find(plain, at)) {
      room.replace(at, plain.size(), axis);
      at += axis.size();
    }
  });
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
        BadWindowInput{"ARoomWithABinaryBlobInItsHeader",
                       [](const fs::path& rooms, const fs::path&) {
                         ChangeOneRoom(rooms, [](std::string& room) {
                           room.insert(LineStart(room, 3), std::string("PK\x03\x04\0\0\xff\xfe", 8));
                         });
                       },
                       "1", "type2.rgr"},
        BadWindowInput{"ARoomHeaderOfTwentyItems",
                       [](const fs::path& rooms, const fs::path&) {
                         ChangeOneRoom(rooms, [](std::string& room) { room.resize(LineStart(room, 21)); });
                       },
                       "1", "type2.rgr"},
        BadWindowInput{"ARoomWithCarriageReturnsOnly",
                       [](const fs::path& rooms, const fs::path&) {
                         ChangeOneRoom(rooms, [](std::string& room) { std::erase(room, '\n'); });
                       },
                       "1", "type2.rgr"},
        BadWindowInput{"ARoomWhoseGenreIsAThousandLetters",
                       [](const fs::path& rooms, const fs::path&) {
                         ChangeOneRoom(rooms, [](std::string& room) {
                           const std::size_t genre = LineStart(room, 2);
                           room.replace(genre, LineStart(room, 3) - 2 - genre, std::string(1000, 'g'));
                         });
                       },
                       "1", "type2.rgr"},
        BadWindowInput{"ATextureScaleOfZero",
                       [](const fs::path& rooms, const fs::path&) {
                         SetEveryTextureAxis(rooms, "[1 0 0 0] 0");
                       },
                       "1", ".rgr"},
        BadWindowInput{"ATextureAxisCoordinateThatIsAWord",
                       [](const fs::path& rooms, const fs::path&) {
                         SetEveryTextureAxis(rooms, "[one 0 0 0] 0.25");
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
