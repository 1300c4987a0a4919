#include "cindr_path_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "qt_app.h"
#include "steam_folder.h"
#include "temp_folder.h"

namespace vendrel::startup {
namespace {

class CindrPathWindowTest : public ::testing::Test {
 protected:
  CindrPathWindowTest() {
    std::filesystem::create_directories(program);
    window.onSteamFolderNeeded = [this] { ++steamAsked; };
    window.onAccountChosen = [this](const std::string& account) { chosen.push_back(account); };
  }
  void MakeSteam() {
    for (const char* file : {"Steam.exe", "steam.dll"}) Touch(steam / file);
    for (const char* account : {"alpha", "beta", "SourceMods"}) {
      std::filesystem::create_directories(Accounts() / account);
    }
    Touch(Accounts() / "alpha" / "cinderfall" / "cindr.exe");
    Touch(Accounts() / "alpha" / "sourcesdk" / "bin" / "vbsp.exe");
    Touch(Accounts() / "beta" / "cinderfall" / "cindr.exe");
    ASSERT_TRUE(WriteSteamPathFile(program, steam.string() + "/"));
  }
  static void Touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    testing::WriteFile(file, "x");
  }
  std::filesystem::path Accounts() const { return steam / "steamapps"; }
  template <typename Widget>
  Widget& Control(const char* name) { return testing::Child<Widget>(window, name); }

  QApplication& app = testing::App();  // before the first widget
  testing::TempFolder folder;
  std::filesystem::path steam = folder / "Steam";
  std::filesystem::path program = folder / "program";
  CindrPathWindow window{program, folder / "no prefix"};
  int steamAsked = 0;
  std::vector<std::string> chosen;
};

TEST_F(CindrPathWindowTest, WithoutASteamFolderItAsksForOneAndHides) {
  window.show();
  EXPECT_EQ(steamAsked, 1);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(CindrPathWindowTest, ListsTheAccountsAndOnlyACompleteOneCanBeConfirmed) {
  MakeSteam();
  window.show();
  EXPECT_EQ(window.windowTitle(), "Select User Account");
  auto& list = Control<QListWidget>("List1");
  ASSERT_EQ(list.count(), 2) << "no sourcemods";
  EXPECT_EQ(list.item(0)->text(), "alpha");
  EXPECT_EQ(list.item(1)->text(), "beta");
  auto& game = Control<QCheckBox>("Check1");
  auto& kit = Control<QCheckBox>("Check2");
  auto& ok = Control<QPushButton>("Command1");
  EXPECT_TRUE(game.isChecked());
  EXPECT_TRUE(kit.isChecked());
  EXPECT_TRUE(ok.isEnabled());

  list.setCurrentRow(1);
  EXPECT_TRUE(game.isChecked());
  EXPECT_FALSE(kit.isChecked());
  EXPECT_FALSE(ok.isEnabled());
  kit.click();
  game.click();
  EXPECT_FALSE(kit.isChecked()) << "read-only: back to what the folder says";
  EXPECT_TRUE(game.isChecked());
  EXPECT_EQ(game.text(), "Cindr Installed");
  EXPECT_EQ(kit.text(), "Source SDK Installed");
}

TEST_F(CindrPathWindowTest, OkStartWritesTheFileAndHandsTheAccountOn) {
  MakeSteam();
  window.show();
  auto& makeDefault = Control<QCheckBox>("Check3");
  EXPECT_EQ(makeDefault.text(), "Select this account as the default user account.");
  makeDefault.setChecked(true);
  Control<QPushButton>("Command1").click();
  const std::string account = (Accounts() / "alpha").string();
  EXPECT_EQ(testing::ReadFile(program / "cindrpath.ini"), "1\r\n" + account + "\r\n");
  EXPECT_EQ(chosen, std::vector<std::string>{account});
  EXPECT_FALSE(window.isVisible());
}

TEST_F(CindrPathWindowTest, ControlsAreNamedAndReachable) {
  MakeSteam();
  window.show();
  testing::ExpectReachable(Control<QListWidget>("List1"));
  testing::ExpectReachable(Control<QCheckBox>("Check3"));
  testing::ExpectReachable(Control<QPushButton>("Command1"));
  EXPECT_EQ(Control<QPushButton>("Command1").text(), "OK / Start");
  EXPECT_EQ(Control<QLabel>("Label1").text(),
            "Select Your Steam User Account.                                You need to have "
            "Cinderfall and Source SDK installed.");
  for (const char* box : {"Check1", "Check2"}) {
    EXPECT_FALSE(Control<QCheckBox>(box).accessibleName().isEmpty()) << box;
  }
}

}  // namespace
}  // namespace vendrel::startup
