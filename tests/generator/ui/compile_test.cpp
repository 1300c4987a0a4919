#include <gmock/gmock.h>

#include <unistd.h>

#include "stand_in_tools.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;
using testing::WindowFixture;
using vendrel::testing::ReadFile;

// The window on a program folder and an account with stand-ins for the three tools and
// the game. The fixture's rooms leave the level open to the void, so the check fails.
class CompileTest : public WindowFixture {
 protected:
  void SetUp() override {
    program = install.programFolder;
    account = install.account;
    install.WorkingTools();
    install.StandInGame();
    testing::WriteSmallLibrary(Rooms());
    Start();
    dialogs->standingAnswers.clear();
    Find<Gradomat>("MapSizeBar")->SetValue(8);
  }
  void UseSeed(const char* seed) {
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText(seed);
  }
  std::string LogText() const { return ReadFile(window->Log().FilePath()); }
  // Calls `press` at each yield once `marker` exists, then the window does.
  void WhenStarted(const std::string& marker, const std::function<void()>& press) {
    bool pressed = false;
    WhileYielding(
        [&] {
          if (!pressed && std::filesystem::exists(install.Marker(marker))) {
            pressed = true;
            press();
          }
        },
        [&] { Find<QPushButton>("Command1")->click(); });
    EXPECT_TRUE(pressed);
  }

  // A tool left running holds the test until ctest's time-out.
  void WaitUntilTheToolAndItsChildAreGone() const {
    while (!vendrel::testing::Gone(install.Marker("tool.pid")) ||
           !vendrel::testing::Gone(install.Marker("child.pid"))) {
      usleep(10000);
    }
  }

  vendrel::testing::StandInInstallation install;
};

TEST_F(CompileTest, AFailingCheckShowsItsFindingsAndGenerateAgainRunsAgainWithoutAsking) {
  dialogs->choices = {0, 1};
  dialogs->answers = {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Yes};
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(dialogs->Titles(), ElementsAre("Continiune?", "Level Check", "Level Check",
                                             "Generating done!", "Abort?"));
  EXPECT_THAT(dialogs->choiceButtons[0], ElementsAre("Generate Again", "Compile Anyway"));
  const auto& question = dialogs->messages[1];
  EXPECT_EQ(question.icon, MessageIcon::Exclamation);
  EXPECT_THAT(question.text, HasSubstr("\nAt line "));
  EXPECT_THAT(question.text, HasSubstr("the level leaks"));
  EXPECT_THAT(question.text, HasSubstr(LevelFile().string()));
  EXPECT_THAT(question.text, ::testing::Not(HasSubstr("Custom Seed")));
  const std::string log = LogText();
  EXPECT_THAT(log, HasSubstr("] Level check: 1 fault\r\n"));
  std::size_t runs = 0;
  for (std::size_t at = log.find("Process started"); at != std::string::npos;
       at = log.find("Process started", at + 1)) {
    ++runs;
  }
  EXPECT_EQ(runs, 2u);
  EXPECT_THAT(install.TraceLines(), ::testing::IsEmpty()) << "the player left before compiling";
  EXPECT_TRUE(std::filesystem::exists(LevelFile()));
}

TEST_F(CompileTest, WithACustomSeedGenerateAgainLeavesTheLevelUncompiled) {
  UseSeed("7");
  dialogs->choices = {0};
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(dialogs->Titles(), ElementsAre("Continiune?", "Level Check"));
  EXPECT_THAT(dialogs->messages[1].text, HasSubstr("Custom Seed is ticked"));
  EXPECT_EQ(Text("StatusLabel"), "Not compiled: change the seed and generate again.");
  EXPECT_TRUE(std::filesystem::exists(LevelFile()));
  EXPECT_THAT(install.TraceLines(), ::testing::IsEmpty());
  EXPECT_TRUE(Find<QWidget>("Command1")->isEnabled());
}

TEST_F(CompileTest, CompileAnywayRunsTheToolsInOrderMovesTheLevelAndStartsTheGame) {
  UseSeed("7");
  bool pictureBeforeQuestion = false;
  std::vector<bool> frameShown;
  dialogs->onMessage = [&](const vendrel::testing::RecordedMessage& box) {
    if (box.title == "Generating done!") {
      pictureBeforeQuestion = !window->Preview().Picture().isNull();
    }
  };
  WhileYielding([&] { frameShown.push_back(Find<QWidget>("CompileFrame")->isVisible()); },
                [&] { Find<QPushButton>("Command1")->click(); });
  EXPECT_TRUE(pictureBeforeQuestion);
  EXPECT_THAT(dialogs->Titles(), ElementsAre("Continiune?", "Level Check", "Generating done!"));
  EXPECT_THAT(frameShown, ::testing::Contains(true));
  const auto trace = install.TraceLines();
  ASSERT_THAT(trace, SizeIs(3));
  const std::string map = (program / "level1").string();
  for (std::size_t i = 0; i < 3; ++i) {
    const char* tools[] = {"vbsp.exe", "vvis.exe", "vrad.exe"};
    EXPECT_THAT(trace[i], ::testing::StartsWith(std::string(tools[i]) + " ["));
    EXPECT_THAT(trace[i], HasSubstr("] [-v] [-game] [" + (account / "cinderfall" / "cindr").string() +
                                    "] [" + map + "] "));
    EXPECT_THAT(trace[i], HasSubstr(" policy=5")) << "idle priority";
  }
  EXPECT_EQ(ReadFile(install.MapsFolder() / "level1.bsp"), "compiled");
  EXPECT_THAT(LogText(), HasSubstr("] Start Parameters: "));
  EXPECT_EQ(ended, 0) << "the started game ends the generator";
}

TEST_F(CompileTest, EmergencyExitDuringVisKillsItAndStartsNoFurtherTool) {
  UseSeed("7");
  install.HangingTool("vvis.exe");
  WhenStarted("started", [&] { Find<QPushButton>("CompileFrame/Command3")->click(); });
  const auto trace = install.TraceLines();
  ASSERT_THAT(trace, SizeIs(2)) << "RAD is not started";
  EXPECT_FALSE(std::filesystem::exists(install.MapsFolder() / "level1.bsp"));
  EXPECT_FALSE(Find<QWidget>("CompileFrame")->isVisible());
  EXPECT_THAT(LogText(), HasSubstr("] Aborted compilation...\r\n"));
  WaitUntilTheToolAndItsChildAreGone();
  EXPECT_TRUE(Find<QWidget>("Command1")->isEnabled());
  EXPECT_FALSE(ended);
}

TEST_F(CompileTest, ClosingTheWindowWhileAToolRunsKillsItAndEndsTheProgram) {
  UseSeed("7");
  install.HangingTool("vbsp.exe");
  WhenStarted("started", [&] { window->close(); });
  WaitUntilTheToolAndItsChildAreGone();
  EXPECT_THAT(install.TraceLines(), SizeIs(1));
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(CompileTest, ClosingTheWindowDuringTheRunLeavesNothingToCompile) {
  UseSeed("7");
  WhileYielding(
      [&] {
        if (window->isVisible() && Text("StatusLabel").startsWith("Generating room 2")) window->close();
      },
      [&] { Find<QPushButton>("Command1")->click(); });
  EXPECT_THAT(dialogs->Titles(), ElementsAre("Continiune?"));
  EXPECT_THAT(install.TraceLines(), ::testing::IsEmpty());
  EXPECT_EQ(ended, 0);
}

}  // namespace
}  // namespace vendrel::generator_ui
