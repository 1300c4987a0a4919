#include "compile_stage.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "fixed_clock.h"
#include "map_error.h"
#include "param_name.h"
#include "recording_host.h"
#include "scripted_random.h"
#include "stand_in_tools.h"

namespace vendrel {
namespace {

class YieldingHost : public testing::RecordingHost {
 public:
  void Yield() override {
    RecordingHost::Yield();
    if (onYield) onYield();
  }
  std::function<void()> onYield;
};

struct RecordingFrame : CompileFrameView {
  void ShowCompileFrame(bool runMapTicked) override {
    shown = true;
    runMap = runMapTicked;
  }
  void HideCompileFrame() override { shown = false; }
  bool RunMapTicked() const override { return runMap; }
  void ShowToolOutput(std::string_view line) override { output.emplace_back(line); }

  bool shown = false;
  bool runMap = false;
  std::vector<std::string> output;
};

class CompileStageTest : public ::testing::Test {
 protected:
  CompileStageTest() { install.WorkingTools(); }

  CompileRequest Request() const {
    CompileRequest request;
    request.accountFolder = install.account;
    request.levelFile = install.LevelFile();
    request.runMapAfterCompile = false;
    return request;
  }
  std::string LogText() const { return testing::ReadFile(log.FilePath()); }
  std::string ToolLine(const std::string& program) const {
    return program + " [" + install.Tool(program).string() + "] [-v] [-game] [" +
           (install.account / "cinderfall" / "cindr").string() + "] [" +
           (install.programFolder / "level1").string() + "] pid=";
  }
  std::string GameTrace() const {
    const auto trace = install.Marker("game.txt");
    while (!std::filesystem::exists(trace)) usleep(10000);  // the game was started unwaited
    return testing::ReadFile(trace);
  }

  testing::StandInInstallation install;
  YieldingHost host;
  testing::FixedClock clock;
  testing::ScriptedRandom random;
  LogService log{host, clock, install.programFolder};
  Engine engine{host, clock, random, log, install.programFolder};
  ProcessRunner runner{host, clock};
  RecordingFrame frame;
  CompileStage stage{engine, runner, frame};
};

TEST_F(CompileStageTest, RunsTheThreeToolsInOrderAtIdlePriorityAndMovesTheLevel) {
  host.answers = {MessageAnswer::Yes};  // "Sure?": no launch
  const CompileOutcome outcome = stage.Run(Request());
  EXPECT_EQ(outcome.end, CompileEnd::Compiled);

  const auto trace = install.TraceLines();
  ASSERT_EQ(trace.size(), 3u);
  const char* tools[] = {"vbsp.exe", "vvis.exe", "vrad.exe"};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string expected = ToolLine(tools[i]);
    ASSERT_TRUE(trace[i].starts_with(expected)) << trace[i] << "\n" << expected;
    const std::string pid = trace[i].substr(expected.size(), trace[i].find(' ', expected.size()) - expected.size());
    EXPECT_NE(trace[i].find("pgrp=" + pid + " "), std::string::npos) << "own group: " << trace[i];
    EXPECT_NE(trace[i].find(" nice=19 policy=5"), std::string::npos) << "idle: " << trace[i];
  }
  EXPECT_FALSE(std::filesystem::exists(install.Marker("INJECTED")));
  EXPECT_FALSE(std::filesystem::exists(install.programFolder / "INJECTED"));

  EXPECT_EQ(outcome.compiledLevel, install.MapsFolder() / "level1.bsp");
  EXPECT_EQ(testing::ReadFile(outcome.compiledLevel), "compiled");
  EXPECT_FALSE(std::filesystem::exists(install.CompiledBesideLevel()));
  EXPECT_EQ(outcome.backup, std::nullopt);

  EXPECT_EQ(host.statuses.front(), "Compiling map structures, please wait....");
  EXPECT_EQ(host.progress, (std::vector<double>{25, 50, 75, 100}));
  const std::string logText = LogText();
  for (const char* line : {"] Running BSP at 05:07:09\r\n", "] Running VIS at 05:07:09\r\n",
                           "] Running RAD at 05:07:09\r\n",
                           "] Moving level 1 to cindr/maps folder...\r\n"}) {
    EXPECT_NE(logText.find(line), std::string::npos) << line;
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Sure?");
  EXPECT_EQ(host.messages[0].text, "Compiling done! Are you sure that you dont want cindr to launch now?");
  EXPECT_FALSE(frame.shown);
}

TEST_F(CompileStageTest, ToolOutputGoesToTheLogAndWhenUnhiddenToTheFrame) {
  CompileRequest request = Request();
  host.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
  stage.Run(request);
  EXPECT_TRUE(frame.output.empty());
  EXPECT_NE(LogText().find("] vbsp says hello\r\n"), std::string::npos);
  EXPECT_NE(LogText().find("] vbsp warns\r\n"), std::string::npos);

  install.WorkingTools();
  random.afterScript = 0.5;  // the first level is backed up
  request.runCompilerUnhidden = true;
  stage.Run(request);
  EXPECT_EQ(frame.output, (std::vector<std::string>{"vbsp says hello", "vbsp warns", "vrad done"}));
}

TEST_F(CompileStageTest, EmergencyExitKillsTheRunningToolWithItsChildAndStartsNoFurtherOne) {
  install.HangingTool("vvis.exe");
  int yieldsWhileRunning = 0;
  host.onYield = [&] {
    // A few turns of the waiting loop while the tool runs: the window stays alive.
    if (std::filesystem::exists(install.Marker("started")) && ++yieldsWhileRunning == 3) {
      stage.Command3_Click();
    }
  };
  const CompileOutcome outcome = stage.Run(Request());
  EXPECT_EQ(outcome.end, CompileEnd::Aborted);
  EXPECT_TRUE(stage.CompileAbort());
  EXPECT_GE(yieldsWhileRunning, 3);
  while (!testing::Gone(install.Marker("tool.pid")) || !testing::Gone(install.Marker("child.pid"))) usleep(10000);

  const auto trace = install.TraceLines();
  ASSERT_EQ(trace.size(), 2u) << "no RAD";
  EXPECT_TRUE(trace[1].starts_with("vvis.exe "));
  EXPECT_TRUE(std::filesystem::is_empty(install.MapsFolder())) << "no level moved";
  EXPECT_TRUE(std::filesystem::exists(install.CompiledBesideLevel()));
  EXPECT_FALSE(frame.shown);
  EXPECT_NE(LogText().find("] Aborted compilation...\r\n"), std::string::npos);
  EXPECT_FALSE(runner.Running());
}

TEST_F(CompileStageTest, BacksUpALevelAlreadyThereAndDrawsAgainWhileTheBackupNameIsTaken) {
  const auto maps = install.MapsFolder();
  testing::WriteFile(maps / "level1.bsp", "old");
  testing::WriteFile(maps / "backup_42_level1.bsp", "older");
  random.draws = {0.0415, 0.0419, 0.5};  // 42, 42 again, then 501
  host.answers = {MessageAnswer::Yes};
  const CompileOutcome outcome = stage.Run(Request());
  EXPECT_EQ(outcome.end, CompileEnd::Compiled);
  EXPECT_EQ(outcome.backup, maps / "backup_501_level1.bsp");
  EXPECT_EQ(testing::ReadFile(maps / "backup_501_level1.bsp"), "old");
  EXPECT_EQ(testing::ReadFile(maps / "backup_42_level1.bsp"), "older");
  EXPECT_EQ(testing::ReadFile(maps / "level1.bsp"), "compiled");
  EXPECT_EQ(random.randaCalls, 0) << "drawn without a reseed";
  EXPECT_TRUE(random.draws.empty());
}

TEST_F(CompileStageTest, NoBspGivesNoMapAndLeavesTheMapsFolderAlone) {
  install.FailingTool("vbsp.exe");
  testing::WriteFile(install.MapsFolder() / "level1.bsp", "old");
  const CompileOutcome outcome = stage.Run(Request());
  EXPECT_EQ(outcome.end, CompileEnd::NoMap);
  EXPECT_EQ(install.TraceLines().size(), 3u) << "the other tools still run";
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "NoMap!");
  EXPECT_EQ(host.messages[0].text,
            "The compiler didn't produce any map so there was probably some errors with it. If "
            "you want to compile the map manually, (preferably in hammer) the map lies here: " +
                install.LevelFile().string() + " I'm sorry, this error is very unexpected.");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_FALSE(frame.shown);
  EXPECT_EQ(testing::ReadFile(install.MapsFolder() / "level1.bsp"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(install.MapsFolder()), {}), 1);
}

TEST_F(CompileStageTest, EveryBackupNameTakenGivesNoMapAndOverwritesNothing) {
  const auto maps = install.MapsFolder();
  testing::WriteFile(maps / "level1.bsp", "old");
  for (int n = 1; n <= 1000; ++n) {
    testing::WriteFile(maps / ("backup_" + std::to_string(n) + "_level1.bsp"), std::to_string(n));
  }
  EXPECT_EQ(stage.Run(Request()).end, CompileEnd::NoMap);
  EXPECT_EQ(testing::ReadFile(maps / "level1.bsp"), "old");
  EXPECT_EQ(testing::ReadFile(maps / "backup_7_level1.bsp"), "7");
  EXPECT_EQ(testing::ReadFile(install.CompiledBesideLevel()), "compiled");
}

TEST_F(CompileStageTest, AToolThatCannotStartIsReportedAndTheOthersRun) {
  std::filesystem::remove(install.Tool("vvis.exe"));
  host.answers = {MessageAnswer::Yes};
  EXPECT_EQ(stage.Run(Request()).end, CompileEnd::Compiled);
  EXPECT_EQ(install.TraceLines().size(), 2u);
  EXPECT_NE(LogText().find(install.Tool("vvis.exe").string() + " could not be started: "),
            std::string::npos);
}

struct LaunchCase {
  const char* name;
  bool allWeapons;
  const char* options;      // as logged
  const char* optionWords;  // as the game receives them
};

class GameLaunch : public CompileStageTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(GameLaunch, StartsTheGameOnTheLevelWithTheOptions) {
  install.StandInGame();
  CompileRequest request = Request();
  request.runMapAfterCompile = true;
  request.difficulty = 3;
  request.allWeapons = GetParam().allWeapons;
  const CompileOutcome outcome = stage.Run(request);
  EXPECT_EQ(outcome.end, CompileEnd::GameStarted);
  EXPECT_TRUE(host.messages.empty()) << "no launch question with the box ticked";

  const std::string gameFolder = (install.account / "cinderfall" / "cindr").string();
  const std::string trace = GameTrace();
  EXPECT_TRUE(trace.starts_with("cindr.exe [" + install.Game().string() + "] [-game] [" +
                                gameFolder + "] [+map] [level1] " + GetParam().optionWords +
                                " pid="))
      << trace;
  EXPECT_EQ(trace.find("policy=5"), std::string::npos) << "the game runs at normal priority";
  const std::string logText = LogText();
  EXPECT_NE(logText.find(std::string("] Compilation complete! Running cindr....") +
                         GetParam().options + "\r\n"),
            std::string::npos);
  EXPECT_NE(logText.find("] Start Parameters: \"" + install.Game().string() + "\" -game \"" +
                         gameFolder + "\" +map \"level1\" " + GetParam().options + "\r\n"),
            std::string::npos)
      << logText;
}

INSTANTIATE_TEST_SUITE_P(
    Weapons, GameLaunch,
    ::testing::Values(
        LaunchCase{"Plain", false, " skill 3;bind f12 +toggleconsole",
                   "[skill] [3;bind] [f12] [+toggleconsole]"},
        LaunchCase{"AllWeapons", true,
                   " skill 3;bind f12 +toggleconsole ;sv_cheats = 1;impulse 101;impulse 101;echo "
                   "All weapons enabled;",
                   "[skill] [3;bind] [f12] [+toggleconsole] [;sv_cheats] [=] [1;impulse] "
                   "[101;impulse] [101;echo] [All] [weapons] [enabled;]"}),
    testing::ParamName{});

TEST_F(CompileStageTest, TheFramesOwnBoxDecidesTheLaunchQuestion) {
  install.StandInGame();
  CompileRequest request = Request();
  request.runMapAfterCompile = true;
  host.onYield = [&] { frame.runMap = false; };  // unticked while compiling
  host.answers = {MessageAnswer::No};
  EXPECT_EQ(stage.Run(request).end, CompileEnd::GameStarted);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Sure?");
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(GameTrace().empty());
}

TEST_F(CompileStageTest, AGameThatCannotStartIsAFatalScriptError) {
  CompileRequest request = Request();
  request.runMapAfterCompile = true;
  try {
    stage.Run(request);
    FAIL() << "no error";
  } catch (const MapErrorExit& error) {
    EXPECT_TRUE(error.Fatal());
  }
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages[0].text.find("A general script error has occoured!"), std::string::npos);
  EXPECT_NE(testing::ReadFile(install.programFolder / "errorlog.txt")
                .find("Error occoured in Compile Main! (2 No such file or directory)"),
            std::string::npos);
}

struct ConfirmCase {
  const char* name;
  std::deque<MessageAnswer> answers;
  bool goesOn;
  std::size_t questions;
};

class ConfirmCompile : public CompileStageTest, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmCompile, AsksBeforeCompilingAndAgainBeforeLeaving) {
  host.answers = GetParam().answers;
  EXPECT_EQ(stage.ConfirmCompile(), GetParam().goesOn);
  ASSERT_EQ(host.messages.size(), GetParam().questions);
  EXPECT_EQ(host.messages[0].title, "Generating done!");
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::OkCancel);
  if (GetParam().questions == 2) {
    EXPECT_EQ(host.messages[1].title, "Abort?");
    EXPECT_EQ(host.messages[1].icon, MessageIcon::Critical);
  }
  EXPECT_TRUE(install.TraceLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmCompile,
    ::testing::Values(ConfirmCase{"Ok", {MessageAnswer::Ok}, true, 1},
                      ConfirmCase{"CancelThenYes", {MessageAnswer::Cancel, MessageAnswer::Yes}, false, 2},
                      ConfirmCase{"CancelThenNo", {MessageAnswer::Cancel, MessageAnswer::No}, true, 2}),
    testing::ParamName{});

}  // namespace
}  // namespace vendrel
