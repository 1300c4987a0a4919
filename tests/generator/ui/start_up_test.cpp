#include <gmock/gmock.h>

#include <QListWidget>
#include <cstdlib>

#include "steam_folder.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::WindowFixture;
using vendrel::testing::ReadFile;

class StartUpTest : public WindowFixture {
 protected:
  // A Steam folder the account window finds through "spath.idf", with its accounts.
  void MakeSteamFolder() {
    vendrel::testing::WriteFile(steam / "Steam.exe", "MZ");
    vendrel::testing::WriteFile(steam / "steam.dll", "MZ");
    ASSERT_TRUE(WriteSteamPathFile(program, steam.Path().string() + "/"));
  }
  void ChooseAccount(int row) {
    startup::CindrPathWindow& accounts = window->StartUp().AccountWindow();
    ASSERT_TRUE(accounts.isVisible());
    accounts.findChild<QListWidget*>("List1")->setCurrentRow(row);
    accounts.findChild<QPushButton*>("Command1")->click();
  }
};

TEST_F(StartUpTest, TheSplashComesFirstAndItsTimerTakesTheStoredAccount) {
  testing::WriteSmallLibrary(Rooms());
  testing::WriteAccount(account);
  ASSERT_TRUE(WriteAccountFile(program, {true, account.string()}));
  auto scripted = std::make_unique<testing::ScriptedDialogs>();
  dialogs = scripted.get();
  window = std::make_unique<MainWindow>(
      WindowSetup{program, testing::kSpawnData, clock, random, std::move(scripted), folder / "prefix"});
  window->endProgram = [this](int status) { ended = status; };
  window->Form_Load();
  startup::Logo& splash = window->StartUp().Splash();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_TRUE(splash.Timer1().isActive());
  EXPECT_EQ(splash.Timer1().interval(), 2500);
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(Text("StatusLabel"), "Ready...");
  EXPECT_TRUE(window->Rooms().Table().rows.empty()) << "nothing is scanned behind the splash";

  Find<QComboBox>("Combo2")->setCurrentIndex(0);
  splash.Timer1_Timer();
  EXPECT_FALSE(splash.isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Text("StatusLabel"), "Ready...");
  EXPECT_EQ(Text("UserAccount"), "player");
  EXPECT_EQ(window->AccountFolder(), account);
  EXPECT_EQ(window->Rooms().Table().RoomCount(), 7u);
  EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), "Spring");
  EXPECT_THAT(dialogs->messages, ::testing::IsEmpty());
  EXPECT_THAT(ReadFile(window->Log().FilePath()), HasSubstr("] Standard Decimal Symbol set to: .\r\n"));
  EXPECT_FALSE(window->StartUp().AccountWindow().isVisible());
}

TEST_F(StartUpTest, MissingSecondAndThirdToolsAreWarnedAboutAndStartUpGoesOn) {
  testing::WriteAccount(account);
  std::filesystem::remove(account / "sourcesdk/bin/vvis.exe");
  std::filesystem::remove(account / "sourcesdk/bin/vrad.exe");
  ASSERT_TRUE(WriteAccountFile(program, {true, account.string()}));
  StartWithoutAccount(random);
  EXPECT_THAT(dialogs->Titles(), ElementsAre("Warning!", "Warning!"));
  EXPECT_EQ(dialogs->messages[0].text,
            "Vvis.exe could not be found in your sourcesdk/bin folder. You will not be able to "
            "compile your maps correctly!");
  EXPECT_EQ(dialogs->messages[1].text,
            "Vrad.exe could not be found in your sourcesdk/bin folder. You will not be able to "
            "compile your maps correctly!");
  EXPECT_EQ(dialogs->messages[1].icon, MessageIcon::Critical);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Text("StatusLabel"), "Ready...");
}

TEST_F(StartUpTest, WithoutAStoredAccountTheAccountWindowsChoiceStartsTheWindow) {
  MakeSteamFolder();
  testing::WriteAccount(account);
  StartWithoutAccount(random);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->StartUp().AccountWindow().isVisible());
  EXPECT_NE(Text("StatusLabel"), "Ready...");

  ChooseAccount(0);
  EXPECT_EQ(ReadFile(program / "cindrpath.ini"), "0\r\n" + account.string() + "\r\n");
  EXPECT_FALSE(window->StartUp().AccountWindow().isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Text("StatusLabel"), "Ready...");
  EXPECT_EQ(window->AccountFolder(), account);
  EXPECT_FALSE(window->StartUp().Splash().isVisible()) << "the splash shows once";
}

TEST_F(StartUpTest, WithoutASteamFolderTheSteamWindowAsksFirst) {
  StartWithoutAccount(random);
  EXPECT_TRUE(window->StartUp().SteamWindow().isVisible());
  EXPECT_FALSE(window->StartUp().AccountWindow().isVisible());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(StartUpTest, ChangeAccountOpensTheAccountWindowAndTakesTheNewChoice) {
  MakeSteamFolder();
  const auto second = steam / "steamapps" / "second";
  testing::WriteAccount(second);
  Start();
  Find<QPushButton>("Command5")->click();
  EXPECT_FALSE(window->isVisible());
  ChooseAccount(1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->AccountFolder(), second);
  EXPECT_EQ(Text("UserAccount"), "second");
}

TEST_F(StartUpTest, ClosingTheAccountWindowEndsTheProgramWithTheLogClosed) {
  MakeSteamFolder();
  testing::WriteAccount(account);
  StartWithoutAccount(random);
  window->StartUp().AccountWindow().close();
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(window->Log().IsOpen());
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(dialogs->messages, ::testing::IsEmpty()) << "an ended program handles nothing";
}

TEST_F(StartUpTest, ClosingTheWindowEndsTheProgramAndClosesTheOtherWindows) {
  Start();
  window->close();
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(window->Log().IsOpen());
  EXPECT_FALSE(window->StartUp().AccountWindow().isVisible());
}

// Reals in texts shown to people take the user's decimal symbol once start-up has read it.
TEST_F(StartUpTest, TheUsersDecimalSymbolReachesTheLogAndTheSunAngle) {
  const char* before = std::getenv("LC_ALL");
  const std::string kept = before ? before : "";
  setenv("LC_ALL", "de_DE.utf8", 1);
  Start();
  if (before) setenv("LC_ALL", kept.c_str(), 1); else unsetenv("LC_ALL");
  if (window->Log().DecimalSymbol() == ".") GTEST_SKIP() << "no German locale installed";
  EXPECT_THAT(ReadFile(window->Log().FilePath()), HasSubstr("] Standard Decimal Symbol set to: ,\r\n"));
  window->Picture1_MouseDown(TwipsFromLatitude(40));
  Find<QComboBox>("Combo2")->setCurrentIndex(0);
  EXPECT_EQ(Text("SunAngleBox"), QString("73,5") + QChar(0xB0));
}

TEST_F(StartUpTest, AnInstalledFolderTheUserCannotWriteIsNamedWithWhereTheWindowWrites) {
  testing::WriteSmallLibrary(Rooms());
  Start();
  EXPECT_FALSE(Find<QLabel>("WritingFolderNote")->isVisibleTo(window.get()))
      << "nothing to say when the window writes beside the programs";

  installFolder = folder / "installed";
  Start();
  EXPECT_TRUE(Find<QLabel>("WritingFolderNote")->isVisibleTo(window.get()));
  EXPECT_EQ(Text("WritingFolderNote").toStdString(),
            installFolder.string() + " cannot be written; logs, levels and room files go to " +
                program.string());
  std::vector<std::filesystem::path> started;
  window->findChild<RoomManager*>("RoomManagerFrame")->startProgram =
      [&started](const std::filesystem::path& kitProgram) {
        started.push_back(kitProgram);
        return true;
      };
  Find<QPushButton>("Command9")->click();
  EXPECT_THAT(started, ElementsAre(installFolder / "vendrelsdk"))
      << "the kit is beside the programs, not in the user's folder";
}

TEST_F(StartUpTest, NoFolderToWriteInEndsTheProgramSayingSo) {
  installFolder = folder / "installed";
  program = folder / "nowhere";
  StartWithoutAccount(random);
  EXPECT_EQ(ended, 1);
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "Error!");
  EXPECT_EQ(dialogs->messages[0].text,
            "Vendrel stopped: " + installFolder.string() + " cannot be written, nor can " +
                program.string() + ": logs, levels and room files have nowhere to go");
  EXPECT_FALSE(std::filesystem::exists(program));
}

}  // namespace
}  // namespace vendrel::generator_ui
