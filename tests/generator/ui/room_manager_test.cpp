#include <gmock/gmock.h>

#include <QPlainTextEdit>

#include "room_type_caption.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using testing::WindowFixture;

class RoomManagerTest : public WindowFixture {
 protected:
  void SetUp() override {
    vendrel::testing::WriteFixtureRoom(Rooms(), {"alpha", 1, {1, 1, 0, 0}});
    vendrel::testing::WriteFixtureRoom(Rooms(), {"beta", 1, {1, 1, 0, 0}});
    vendrel::testing::WriteFixtureRoom(Rooms(), {"gamma", 0, {1, 0, 1, 0}});
    vendrel::testing::WriteFixtureRoom(Rooms(), {"delta", 1, {1, 1, 0, 0}});
    Start();
    Find<QPushButton>("Command6")->click();
  }

  QListWidget* List() const { return Find<QListWidget>("RoomList"); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < List()->count(); ++i)
      names.push_back(List()->item(i)->text().toStdString());
    return names;
  }
  void Select(const char* fileName) {
    const auto found = List()->findItems(fileName, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    List()->setCurrentItem(found[0]);
  }
  std::vector<std::string> TypeCaptions() {
    std::vector<std::string> captions;
    for (int i = 0; i < List()->count(); ++i) {
      List()->setCurrentRow(i);
      captions.push_back(Text("RM_RoomType").toStdString());
    }
    return captions;
  }
};

TEST_F(RoomManagerTest, ListsTheLibraryAndShowsTheSelectedRoom) {
  EXPECT_TRUE(Find<QWidget>("RoomManagerFrame")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Frame1")->isVisible()) << "the panel stands over the settings";
  EXPECT_THAT(Names(), ElementsAre("alpha.rgr", "beta.rgr", "delta.rgr", "gamma.rgr"));
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(Text("RM_RoomName"), "alpha");
  EXPECT_EQ(Text("RM_RoomType"), "2 (Turn part)");
  EXPECT_EQ(Text("RM_Genre"), "Genre #0");
  EXPECT_EQ(Text("RM_Author"), "tests");
  EXPECT_EQ(Text("RM_Description"), "test room");
  EXPECT_EQ(Text("RM_Size"),
            QString::number(std::filesystem::file_size(Rooms() / "alpha.rgr")) + " bytes");
  EXPECT_EQ(Text("RM_Problem"), "No");

  Find<QPushButton>("Command10")->click();
  EXPECT_FALSE(Find<QWidget>("RoomManagerFrame")->isVisible());
  EXPECT_TRUE(Find<QWidget>("Frame1")->isVisible());
}

TEST_F(RoomManagerTest, RoomTestModeBlocksTheOtherRoomsOfItsTypeUntilRestored) {
  Select("beta.rgr");
  Find<QPushButton>("Command7")->click();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "Test Map");
  EXPECT_EQ(dialogs->messages[0].text,
            "All room of this type has now been locked. The room that you have selected as your "
            "test room will be the only one that can be used. To reset this, press this button "
            "again.");
  EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(window->windowTitle(), "Vendrel 0.9.34 - Room Test Mode: ON");
  EXPECT_EQ(Text("Command7"), "Restore Room Test Mode");
  EXPECT_EQ(Find<QWidget>("Command7")->accessibleName(), "Restore Room Test Mode");
  EXPECT_FALSE(Find<QWidget>("Picture3")->isVisible());
  EXPECT_THAT(TypeCaptions(), ElementsAre("(This room is blocked)", "2 (Turn part)",
                                          "(This room is blocked)", "1 (One way part)"));

  Find<QPushButton>("Command11")->click();
  EXPECT_EQ(dialogs->messages.back().title, "No!");
  EXPECT_EQ(dialogs->messages.back().text, "You cannot refresh while map testing ban mode is on!");
  EXPECT_EQ(dialogs->messages.back().icon, MessageIcon::Critical);
  // Leaving and opening the panel again keeps the blocks.
  Find<QPushButton>("Command10")->click();
  Find<QPushButton>("Command6")->click();
  EXPECT_EQ(window->Rooms().Table().rows[0][kTypeColumn].text, "29");

  const QString before = window->windowTitle();
  Find<QPushButton>("Command7")->click();
  EXPECT_EQ(dialogs->messages.back().text, "Room test mode of, room bans restored.");
  EXPECT_EQ(window->windowTitle().size(), before.size() - 21);
  EXPECT_EQ(window->windowTitle(), "Vendrel 0.9.34");
  EXPECT_EQ(Text("Command7"), "Test This Room");
  EXPECT_TRUE(Find<QWidget>("Picture3")->isVisible());
  EXPECT_THAT(TypeCaptions(),
              ElementsAre("2 (Turn part)", "2 (Turn part)", "2 (Turn part)", "1 (One way part)"));
}

TEST_F(RoomManagerTest, CoverageCountsTheRoomsRoomTestModeBlocksAsMissing) {
  auto coverage = [this] { return Find<QPlainTextEdit>("RM_Coverage")->toPlainText().toStdString(); };
  EXPECT_EQ(Find<QWidget>("RM_CoverageFrame")->accessibleName(), "Coverage");
  EXPECT_EQ(Find<QWidget>("RM_Coverage")->focusPolicy(), Qt::StrongFocus);
  EXPECT_THAT(coverage(), ::testing::HasSubstr("Coverage of genre 0: 4 usable rooms\n0 blocked"));
  EXPECT_THAT(coverage(), ::testing::HasSubstr("1 turn            1     3     3     -     -\n"));
  EXPECT_THAT(coverage(), ::testing::HasSubstr("5 game start      -   any 0  <- no room\n"));

  Select("beta.rgr");
  Find<QPushButton>("Command7")->click();
  EXPECT_THAT(coverage(), ::testing::HasSubstr("Coverage of genre 0: 2 usable rooms\n2 blocked"));
  EXPECT_THAT(coverage(), ::testing::HasSubstr("1 turn            1     1     1     -     -\n"));
}

TEST_F(RoomManagerTest, DeletingAsksAndCancelKeepsTheRoom) {
  Select("beta.rgr");
  dialogs->answers = {MessageAnswer::Cancel};
  Find<QPushButton>("Command8")->click();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "Delete Room!");
  EXPECT_EQ(dialogs->messages[0].text,
            "Warning! This room will be removed permanently if you continiune!");
  EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(std::filesystem::exists(Rooms() / "beta.rgr"));
  EXPECT_EQ(Names().size(), 4u);
}

// The table must not keep a deleted room, or the next run could choose a missing file.
TEST_F(RoomManagerTest, ADeletedRoomLeavesTheTable) {
  Select("beta.rgr");
  Find<QPushButton>("Command8")->click();
  EXPECT_FALSE(std::filesystem::exists(Rooms() / "beta.rgr"));
  EXPECT_THAT(Names(), ElementsAre("alpha.rgr", "delta.rgr", "gamma.rgr"));
  ASSERT_EQ(window->Rooms().Table().RoomCount(), 3u);
  for (const RoomRow& row : window->Rooms().Table().rows)
    EXPECT_NE(row.File().filename(), "beta.rgr");
  EXPECT_EQ(List()->currentRow(), 1) << "the same position stays selected";
}

TEST_F(RoomManagerTest, DeletingInRoomTestModeDropsTheRowAndKeepsTheBlocks) {
  Select("alpha.rgr");
  Find<QPushButton>("Command7")->click();
  Select("beta.rgr");
  Find<QPushButton>("Command8")->click();
  EXPECT_THAT(Names(), ElementsAre("alpha.rgr", "delta.rgr", "gamma.rgr"));
  ASSERT_EQ(window->Rooms().Table().RoomCount(), 3u);
  EXPECT_EQ(window->Rooms().Table().rows[1][kTypeColumn].text, "29") << "delta stays blocked";
  EXPECT_EQ(window->Rooms().Table().rows[0][kTypeColumn].text, "1");
}

TEST_F(RoomManagerTest, AnEmptyLibraryDisablesTheRoomButtons) {
  for (const char* name : {"alpha.rgr", "beta.rgr", "gamma.rgr", "delta.rgr"}) {
    std::filesystem::remove(Rooms() / name);
  }
  Find<QPushButton>("Command11")->click();
  EXPECT_EQ(List()->count(), 0);
  for (const char* name : {"Command7", "Command8", "Picture3", "Picture4"}) {
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
  }
  Find<QPushButton>("Command8")->click();
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(RoomManagerTest, LaunchingTheKitThatIsMissingSaysSo) {
  std::vector<std::filesystem::path> started;
  window->findChild<RoomManager*>("RoomManagerFrame")->startProgram =
      [&started](const std::filesystem::path& kitProgram) {
        started.push_back(kitProgram);
        return false;
      };
  Find<QPushButton>("Command9")->click();
  EXPECT_THAT(started, ElementsAre(folder / "vendrelsdk"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "Not Found!");
  EXPECT_EQ(dialogs->messages[0].text, "Exe not found...");
}

TEST(RoomTypeCaptionTest, NamesEveryTypeCode) {
  const std::pair<const char*, const char*> cases[] = {{"0", "1 (One way part)"},
                                                       {"1", "2 (Turn part)"},
                                                       {"2", "3 (Three way part)"},
                                                       {"3", "4 (Cross section)"},
                                                       {"4", "5 (Alley)"},
                                                       {"5", "6 (Game Start)"},
                                                       {"6", "7 (Game End)"},
                                                       {"29", "(This room is blocked)"},
                                                       {"7", "<unknown> (Not Supported)"},
                                                       {"-1", "<unknown> (Not Supported)"},
                                                       {"", "1 (One way part)"},
                                                       {"hall", "<unknown> (Not Supported)"}};
  for (const auto& [item, caption] : cases) {
    EXPECT_EQ(RoomTypeCaption(RoomCell::FromItem(item)), caption) << item;
  }
}

// A room the run would leave out is listed with the reason, and can be deleted.
class UnusableRoomTest : public WindowFixture {};

TEST_F(UnusableRoomTest, IsListedWithItsReasonAndCanBeDeleted) {
  RoomHeader header = vendrel::testing::FixtureHeader({"lame", 1, {1, 1, 0, 0}});
  header.connectors[1] = {};
  WriteRoomFile(Rooms(), "lame", header, vendrel::testing::FixtureBody({"lame", 1}),
                [] { return 0.5; });
  Start();
  Find<QPushButton>("Command6")->click();
  EXPECT_EQ(Text("RM_RoomName"), "lame");
  EXPECT_EQ(Text("RM_Problem"), "Yes: its connector 1 is missing");
  Find<QPushButton>("Command8")->click();
  EXPECT_FALSE(std::filesystem::exists(Rooms() / "lame.rgr"));
  EXPECT_EQ(window->Rooms().Table().RoomCount(), 0u);
}

// A room file whose header cannot be read no longer ends the program: it is listed as
// unusable, so that it can be deleted here.
TEST_F(UnusableRoomTest, AnUnreadableRoomFileAtStartUpIsListed) {
  std::filesystem::create_directories(Rooms());
  vendrel::testing::WriteFile(Rooms() / "broken.rgr", "only\r\nthree\r\nitems\r\n");
  Start();
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_FALSE(window->ExitStatus().has_value());
  Find<QPushButton>("Command6")->click();
  EXPECT_EQ(Find<QListWidget>("RoomList")->count(), 1);
  EXPECT_TRUE(Text("RM_Problem").startsWith("Yes: its header couldn't be read"))
      << Text("RM_Problem").toStdString();
}

TEST_F(RoomManagerTest, AnUnreadableRoomFileFoundByRefreshIsListedAndCanBeDeleted) {
  vendrel::testing::WriteFile(Rooms() / "broken.rgr", "two\r\nitems\r\n");
  Find<QPushButton>("Command11")->click();
  EXPECT_TRUE(dialogs->messages.empty());
  Select("broken.rgr");
  EXPECT_TRUE(Text("RM_Problem").startsWith("Yes: its header couldn't be read"))
      << Text("RM_Problem").toStdString();
  Find<QPushButton>("Command8")->click();
  EXPECT_FALSE(std::filesystem::exists(Rooms() / "broken.rgr"));
  EXPECT_THAT(Names(), ElementsAre("alpha.rgr", "beta.rgr", "delta.rgr", "gamma.rgr"));
}

}  // namespace
}  // namespace vendrel::generator_ui
