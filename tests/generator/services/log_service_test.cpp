#include "log_service.h"

#include <gtest/gtest.h>

#include "fixed_clock.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

class LogServiceTest : public ::testing::Test {
 protected:
  std::string LogText() { return testing::ReadFile(folder / "quillalog 6-5-7.log"); }

  testing::TempFolder folder;
  testing::RecordingHost host;
  testing::FixedClock clock;
  LogService log{host, clock, folder.Path()};
};

TEST_F(LogServiceTest, FirstLineOpensTheNamedFile) {
  log.Log("Ready...");
  EXPECT_EQ(log.FilePath(), folder / "quillalog 6-5-7.log");
  EXPECT_EQ(LogText(), "[05:07:09] Vendrel Log File\r\n[05:07:09] Ready...\r\n");
  EXPECT_EQ(host.statuses, std::vector<std::string>{"Ready..."});
  EXPECT_EQ(host.yields, 1);
}

struct LogRuleCase {
  const char* name;
  bool detailed, logEnabled, slow, onlyLogFile, notCompiling;
  bool inFile, shown;
};

class LogRules : public LogServiceTest, public ::testing::WithParamInterface<LogRuleCase> {};

TEST_P(LogRules, DecideWhereALineGoes) {
  const LogRuleCase& rule = GetParam();
  log.SetDetailedStatus(rule.detailed);
  log.SetLogEnabled(rule.logEnabled);
  log.Log("line", rule.slow, rule.onlyLogFile, rule.notCompiling);
  EXPECT_EQ(LogText().find("] line\r\n") != std::string::npos, rule.inFile);
  EXPECT_EQ(!host.statuses.empty(), rule.shown);
  EXPECT_EQ(host.yields, rule.shown ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LogRules,
    ::testing::Values(
        LogRuleCase{"Plain", false, true, false, false, false, true, true},
        LogRuleCase{"SlowWithoutDetailDropped", false, true, true, false, false, false, false},
        LogRuleCase{"SlowWithDetail", true, true, true, false, false, true, true},
        LogRuleCase{"LogFileUnticked", false, false, false, false, false, false, true},
        LogRuleCase{"NotCompilingOverridesUnticked", false, false, false, false, true, true, true},
        LogRuleCase{"OnlyLogFileNotShown", false, true, false, true, false, true, false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(LogServiceTest, FileIsCreatedEvenWhenLoggingIsOff) {
  log.SetLogEnabled(false);
  log.Log("hidden");
  EXPECT_TRUE(std::filesystem::exists(folder / "quillalog 6-5-7.log"));
  EXPECT_EQ(LogText(), "") << "even its first line follows the box";
}

TEST(LogService, UnwritableFolderMakesLogQuiet) {
  testing::RecordingHost host;
  testing::FixedClock clock;
  LogService log(host, clock, "/nonexistent/folder");
  log.Log("text");
  EXPECT_FALSE(log.IsOpen());
  EXPECT_TRUE(host.statuses.empty());
  EXPECT_EQ(host.yields, 1);
}

}  // namespace
}  // namespace vendrel
