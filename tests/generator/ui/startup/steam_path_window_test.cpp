#include "steam_path_window.h"

#include <gtest/gtest.h>

#include "qt_app.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel::startup {
namespace {

class SteamPathWindowTest : public ::testing::Test {
 protected:
  SteamPathWindowTest() {
    std::filesystem::create_directories(steam);
    std::filesystem::create_directories(program);
    testing::WriteFile(steam / "Steam.exe", "x");
    window.onSteamFolderChosen = [this] { ++chosen; };
    window.onQuit = [this] { ++quits; };
    window.show();
  }
  template <typename Widget>
  Widget& Control(const char* name) { return testing::Child<Widget>(window, name); }
  void ExpectLook(bool found) {
    const QString colour = found ? QStringLiteral("#00ff00") : QStringLiteral("#ff0000");
    EXPECT_EQ(Control<QPushButton>("Command1").text(), found ? "Continiune" : "Quit");
    EXPECT_EQ(Control<QLabel>("Label5").text(),
              found ? "Steam was detected in the selected folder!"
                    : "Steam was not detected in the selected folder.");
    EXPECT_TRUE(Control<QLabel>("Label5").styleSheet().contains(colour));
    EXPECT_TRUE(Control<QPushButton>("Command1").styleSheet().contains(colour));
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) {
      EXPECT_TRUE(Control<QFrame>(line).styleSheet().contains(colour)) << line;
    }
  }
  std::string Candidate() const { return steam.string() + "/"; }

  QApplication& app = testing::App();  // before the first widget
  testing::TempFolder folder;
  std::filesystem::path steam = folder / "Steam";
  std::filesystem::path program = folder / "program";
  testing::RecordingHost host;
  SteamPathWindow window{host, program};
  int chosen = 0, quits = 0;
};

TEST_F(SteamPathWindowTest, StartsNotFoundAndAFolderWithOneClientFileStaysNotFound) {
  EXPECT_EQ(window.windowTitle(), "Specify Steam Manually");
  ExpectLook(false);
  window.SetFolder(steam);
  EXPECT_EQ(window.Folder(), steam);
  ExpectLook(false);
  EXPECT_TRUE(host.messages.empty());
  window.SetFolder(folder / "missing");
  EXPECT_EQ(window.Folder(), steam) << "a folder that cannot be read changes nothing";
  Control<QPushButton>("Command1").click();
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(std::filesystem::exists(program / "spath.idf"));
}

TEST_F(SteamPathWindowTest, CancelKeepsTheFoundLookAndTheButtonThenAcceptsWithoutAsking) {
  testing::WriteFile(steam / "steam.dll", "x");
  host.answers = {MessageAnswer::Cancel};
  window.SetFolder(steam);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Steam Folder");
  EXPECT_EQ(host.messages[0].text, "Steam folder detected: " + Candidate() +
                                       " do you want to use this as your steam folder?");
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::OkCancel);
  ExpectLook(true);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists(program / "spath.idf"));

  Control<QPushButton>("Command1").click();
  EXPECT_EQ(host.messages.size(), 1u) << "no second question";
  EXPECT_EQ(testing::ReadFile(program / "spath.idf"), Candidate() + "\r\n");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(quits, 0);
}

TEST_F(SteamPathWindowTest, OkInTheQuestionRemembersTheFolderAtOnce) {
  testing::WriteFile(steam / "steam.dll", "x");
  std::filesystem::create_directories(steam / "steamapps");
  window.SetFolder(steam / "steamapps");
  ExpectLook(false);
  auto& dir1 = Control<QListWidget>("Dir1");
  ASSERT_EQ(dir1.item(1)->text(), "..");
  emit dir1.itemActivated(dir1.item(1));  // up to the Steam folder, as Enter on ".." does
  EXPECT_EQ(testing::ReadFile(program / "spath.idf"), Candidate() + "\r\n");
  EXPECT_EQ(chosen, 1);
}

TEST_F(SteamPathWindowTest, ControlsAreNamedAndReachable) {
  testing::ExpectReachable(Control<QPushButton>("Command1"));
  testing::ExpectReachable(Control<QListWidget>("Dir1"));
  testing::ExpectReachable(Control<QComboBox>("Drive1"));
  for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
    EXPECT_FALSE(Control<QLabel>(label).accessibleName().isEmpty()) << label;
  }
  EXPECT_EQ(Control<QLabel>("Label1").text(),
            "Your steam folder could not be found automaticly so you have to specify it manualy. ");
  EXPECT_EQ(Control<QLabel>("Label4").text(), "Specify Your Steam Folder Here:");
  EXPECT_EQ(Control<QLabel>("Label2").text(), "You need to have steam installed to run Vendrel.");
}

}  // namespace
}  // namespace vendrel::startup
