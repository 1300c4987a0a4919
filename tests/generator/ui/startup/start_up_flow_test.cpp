#include "start_up_flow.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "account_file.h"
#include "qt_app.h"
#include "recording_host.h"
#include "steam_folder.h"
#include "temp_folder.h"

namespace vendrel::startup {
namespace {

// A main window as far as start-up sees it: its Form_Load and what the hooks did.
class StartUpFlowTest : public ::testing::Test {
 protected:
  StartUpFlowTest() {
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(Accounts());
  }
  void Form_Load() {
    ++loads;
    if (flow.ShowSplashOnce()) return;
    if (const auto user = flow.StoredAccount()) readyAs.push_back(*user);
  }
  std::filesystem::path Accounts() const { return steam / "steamapps"; }
  std::filesystem::path MakeAccount(const std::string& name, bool game = true) {
    const auto account = Accounts() / name;
    for (const char* file : {"cinderfall/cindr.exe", "sourcesdk/bin/vbsp.exe",
                             "sourcesdk/bin/vvis.exe", "sourcesdk/bin/vrad.exe"}) {
      if (!game && std::string_view(file).starts_with("cinderfall")) continue;
      std::filesystem::create_directories((account / file).parent_path());
      testing::WriteFile(account / file, "x");
    }
    return account;
  }
  void MakeSteamFolder() {
    testing::WriteFile(steam / "Steam.exe", "x");
    testing::WriteFile(steam / "steam.dll", "x");
    ASSERT_TRUE(WriteSteamPathFile(program, steam.string() + "/"));
  }

  QApplication& app = testing::App();
  testing::TempFolder folder;
  std::filesystem::path program = folder / "program";
  std::filesystem::path steam = folder / "Steam";
  testing::RecordingHost host;
  bool mainShown = true;
  int loads = 0;
  std::vector<std::string> readyAs;
  StartUpFlow flow{host, program, folder / "prefix",
                   {[this] { mainShown = true; }, [this] { mainShown = false; },
                    [this] { Form_Load(); }, [] {}}};
};

TEST_F(StartUpFlowTest, TheFirstPassShowsTheSplashAndItsTickStartsTheSecond) {
  ASSERT_TRUE(WriteAccountFile(program, {true, MakeAccount("player").string()}));
  Form_Load();
  EXPECT_TRUE(flow.Splash().isVisible());
  EXPECT_FALSE(mainShown);
  EXPECT_TRUE(readyAs.empty());

  flow.Splash().Timer1_Timer();
  EXPECT_FALSE(flow.Splash().isVisible());
  EXPECT_TRUE(mainShown);
  EXPECT_EQ(loads, 2);
  EXPECT_EQ(readyAs, std::vector<std::string>{"player"}) << "a stored default account";
  EXPECT_FALSE(flow.AccountWindow().isVisible());
  Form_Load();
  EXPECT_FALSE(flow.Splash().isVisible()) << "never twice";
}

TEST_F(StartUpFlowTest, AMissingGameShowsTheAccountWindowWhoseChoiceStartsAgain) {
  MakeSteamFolder();
  ASSERT_TRUE(WriteAccountFile(program, {true, MakeAccount("nogame", false).string()}));
  const auto player = MakeAccount("player");
  Form_Load();
  flow.Splash().Timer1_Timer();
  EXPECT_TRUE(readyAs.empty());
  EXPECT_TRUE(flow.AccountWindow().isVisible());
  EXPECT_FALSE(mainShown);
  EXPECT_TRUE(flow.AccountAsked());

  auto& list = testing::Child<QListWidget>(flow.AccountWindow(), "List1");
  list.setCurrentRow(1);
  ASSERT_EQ(list.currentItem()->text(), "player");
  testing::Child<QPushButton>(flow.AccountWindow(), "Command1").click();
  EXPECT_EQ(testing::ReadFile(program / "cindrpath.ini"), "0\r\n" + player.string() + "\r\n");
  EXPECT_TRUE(mainShown);
  EXPECT_EQ(readyAs, std::vector<std::string>{"player"}) << "line 1 is 0, but the window was shown";
  EXPECT_FALSE(flow.Splash().isVisible());
}

TEST_F(StartUpFlowTest, ChangeAccountTakesTheNewlyChosenAccount) {
  MakeSteamFolder();
  ASSERT_TRUE(WriteAccountFile(program, {true, MakeAccount("first").string()}));
  MakeAccount("second");
  Form_Load();
  flow.Splash().Timer1_Timer();
  ASSERT_EQ(readyAs, std::vector<std::string>{"first"});

  flow.Command5_Click();
  EXPECT_TRUE(flow.AccountWindow().isVisible());
  EXPECT_FALSE(mainShown);
  testing::Child<QListWidget>(flow.AccountWindow(), "List1").setCurrentRow(1);
  testing::Child<QPushButton>(flow.AccountWindow(), "Command1").click();
  EXPECT_EQ(readyAs, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(flow.AccountFolder(), (Accounts() / "second").string());
}

TEST_F(StartUpFlowTest, WithoutACindrpathIniOrSteamFolderTheSteamWindowLeadsToTheAccounts) {
  Form_Load();
  flow.Splash().Timer1_Timer();
  EXPECT_TRUE(flow.SteamWindow().isVisible()) << "no spath.idf and no registry";
  EXPECT_FALSE(flow.AccountWindow().isVisible());

  testing::WriteFile(steam / "Steam.exe", "x");
  testing::WriteFile(steam / "steam.dll", "x");
  MakeAccount("player");
  flow.SteamWindow().SetFolder(steam);  // the question is answered OK
  EXPECT_FALSE(flow.SteamWindow().isVisible());
  EXPECT_TRUE(flow.AccountWindow().isVisible());
  EXPECT_EQ(testing::Child<QListWidget>(flow.AccountWindow(), "List1").count(), 1);
}

}  // namespace
}  // namespace vendrel::startup
