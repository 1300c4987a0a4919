#include "compile_frame.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include "fixed_clock.h"
#include "qt_app.h"
#include "recording_host.h"
#include "scripted_random.h"
#include "stand_in_tools.h"

namespace vendrel::startup {
namespace {

// The window's host as far as the stage needs it: a yield runs the event loop.
class EventLoopHost : public testing::RecordingHost {
 public:
  void Yield() override {
    RecordingHost::Yield();
    QCoreApplication::processEvents();
  }
};

class CompileFrameTest : public ::testing::Test {
 protected:
  template <typename Widget>
  Widget& Control(const char* name) { return testing::Child<Widget>(frame, name); }
  QApplication& app = testing::App();  // before the first widget
  CompileFrame frame;
};

TEST_F(CompileFrameTest, ShowsItsTextsAndItsOwnLaunchBox) {
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(frame.title(), "Compiling");
  EXPECT_EQ(Control<QLabel>("Label18").text(), "Please wait while your map is compiling...");
  EXPECT_EQ(Control<QLabel>("Label19").text(),
            "This could take up to one hour if your map is really huge and your computer is "
            "really slow.");
  EXPECT_EQ(Control<QLabel>("Label20").text(),
            "The compiler is running on low priority so you should be able to use other "
            "applications during progress.");
  EXPECT_EQ(Control<QLabel>("Label21").text(),
            "If you suddenly realized that you've got to be at work in 5 minutes or your computer "
            "hang up, press this handy button:");
  EXPECT_EQ(Control<QGroupBox>("AbortCompilationFrame").title(), "Abort Compilation");
  EXPECT_EQ(Control<QPushButton>("Command3").text(), "Emergency Exit");
  testing::ExpectReachable(Control<QPushButton>("Command3"));
  testing::ExpectReachable(Control<QCheckBox>("RunMapCheck"));

  frame.ShowCompileFrame(true);
  EXPECT_TRUE(frame.isVisible());
  EXPECT_TRUE(frame.RunMapTicked());
  Control<QCheckBox>("RunMapCheck").click();
  EXPECT_FALSE(frame.RunMapTicked());
  frame.HideCompileFrame();
  EXPECT_FALSE(frame.isVisible());
}

TEST_F(CompileFrameTest, ToolOutputOpensAWindowThatTakesNoFocus) {
  frame.ShowCompileFrame(false);
  EXPECT_FALSE(frame.ToolOutputWindow().isVisible());
  frame.ShowToolOutput("vbsp says hello");
  QWidget& output = frame.ToolOutputWindow();
  EXPECT_TRUE(output.isVisible());
  EXPECT_TRUE(output.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(output.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_EQ(output.findChild<QPlainTextEdit*>("ToolOutputText")->toPlainText(), "vbsp says hello");
  frame.HideCompileFrame();
  EXPECT_FALSE(output.isVisible());
}

TEST_F(CompileFrameTest, EmergencyExitButtonKillsTheRunningToolWhileTheWindowStaysAlive) {
  testing::StandInInstallation install;
  install.WorkingTools();
  install.HangingTool("vbsp.exe");
  EventLoopHost host;
  testing::FixedClock clock;
  testing::ScriptedRandom random;
  LogService log(host, clock, install.programFolder);
  const Engine engine{host, clock, random, log, install.programFolder};
  ProcessRunner runner(host, clock);
  CompileStage stage(engine, runner, frame);
  frame.SetStage(&stage);

  // The user at the window: once the tool runs, a timer event presses the button.
  QTimer user;
  user.setInterval(5);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (std::filesystem::exists(install.Marker("started"))) Control<QPushButton>("Command3").click();
  });
  user.start();
  CompileRequest request;
  request.accountFolder = install.account;
  request.levelFile = install.LevelFile();
  const CompileOutcome outcome = stage.Run(request);
  user.stop();
  EXPECT_EQ(outcome.end, CompileEnd::Aborted);
  EXPECT_EQ(install.TraceLines().size(), 1u) << "neither VIS nor RAD";
  EXPECT_FALSE(frame.isVisible());
  EXPECT_FALSE(runner.Running());
}

}  // namespace
}  // namespace vendrel::startup
