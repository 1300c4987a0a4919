#include "super_shell.h"

#include <gtest/gtest.h>

#include "fixed_clock.h"
#include "recording_host.h"
#include "stand_in_tools.h"

namespace vendrel {
namespace {

TEST(SuperShell, RunsAWindowsProgramThroughTheWineRunner) {
  testing::StandInInstallation install;
  const auto wine = install.root / "wine stand-in";
  install.WriteScript(wine, "");
  const auto tool = install.Tool("vbsp.exe");
  testing::WriteFile(tool, std::string("MZ\x90\0\3\0", 6));
  EXPECT_TRUE(IsWindowsProgram(tool.string()));
  EXPECT_FALSE(IsWindowsProgram(wine.string()));

  testing::RecordingHost host;
  testing::FixedClock clock;
  ProcessRunner runner(host, clock, wine.string());
  EXPECT_EQ(runner.SuperShell({tool.string(), "a b", "c;d", "/srv/game x/level1"}, WindowStyle::Hidden,
                              kIdlePriorityClass),
            0.0);
  const auto trace = install.TraceLines();
  ASSERT_EQ(trace.size(), 1u);
  EXPECT_TRUE(trace[0].starts_with("wine stand-in [" + wine.string() + "] [" + tool.string() +
                                   "] [a b] [c;d] [Z:\\srv\\game x\\level1] pid="))
      << trace[0] << "\nthe tool reads its paths as Windows paths";
  EXPECT_GE(host.yields, 2) << "one after the start, one each turn of the wait";
}

TEST(SuperShell, AProgramThatCannotStartThrowsAndLeavesNothingRunning) {
  testing::StandInInstallation install;
  testing::RecordingHost host;
  testing::FixedClock clock;
  ProcessRunner runner(host, clock, "wine");
  try {
    runner.SuperShell({(install.root / "missing").string()}, WindowStyle::Hidden, kIdlePriorityClass);
    FAIL() << "started";
  } catch (const ProcessStartError& error) {
    EXPECT_EQ(error.ErrorNumber(), ENOENT);
  }
  EXPECT_FALSE(runner.Running());
  EXPECT_THROW(runner.Launch({(install.root / "missing").string()}), ProcessStartError);
}

}  // namespace
}  // namespace vendrel
