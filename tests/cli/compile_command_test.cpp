#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fcntl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "param_name.h"
#include "stand_in_tools.h"
#include "temp_folder.h"

extern char** environ;

namespace vendrel {
namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

// vendrel-cli in the program folder of a stand-in installation, run from an argument list.
class CompileCliTest : public ::testing::Test {
 protected:
  CompileCliTest() {
    install.WorkingTools();
    install.StandInGame();
    std::filesystem::copy_file(VENDREL_CLI, install.programFolder / "vendrel-cli");
  }

  pid_t Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{(install.programFolder / "vendrel-cli").string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, install.Marker("out.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, install.Marker("err.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    return pid;
  }
  Result Finish(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::ReadFile(install.Marker("out.txt")),
            testing::ReadFile(install.Marker("err.txt"))};
  }
  Result Run(const std::vector<std::string>& arguments) { return Finish(Start(arguments)); }

  std::string GameTrace() const {
    const auto trace = install.Marker("game.txt");
    while (!std::filesystem::exists(trace)) usleep(10000);  // the game was started unwaited
    return testing::ReadFile(trace);
  }
  std::string Account() const { return install.account.string(); }

  testing::StandInInstallation install;
};

TEST_F(CompileCliTest, CompilesMovesWithBackupAndSaysWhereTheLevelWent) {
  const auto maps = install.MapsFolder();
  testing::WriteFile(maps / "level1.bsp", "old");
  const Result result = Run({"compile", "--account", Account()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Level compiled: " + (maps / "level1.bsp").string() + "\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Backup:         " + maps.string() + "/backup_"), std::string::npos);
  EXPECT_NE(result.err.find("vbsp says hello\n"), std::string::npos) << "tool output shown";
  EXPECT_NE(result.err.find("vrad done\n"), std::string::npos);
  EXPECT_EQ(install.TraceLines().size(), 3u);
  EXPECT_EQ(testing::ReadFile(maps / "level1.bsp"), "compiled");
  EXPECT_FALSE(std::filesystem::exists(install.Marker("game.txt"))) << "no --launch";
}

TEST_F(CompileCliTest, TakesTheStoredAccountAndLaunchesWithTheOptions) {
  testing::WriteFile(install.programFolder / "cindrpath.ini", "0\r\n" + Account() + "\r\n");
  const Result result = Run({"compile", "--launch", "--difficulty", "1", "--all-weapons"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(GameTrace().find("[+map] [level1] [skill] [1;bind] [f12] [+toggleconsole] [;sv_cheats]"),
            std::string::npos);
  EXPECT_NE(result.out.find("Game started:   " + install.Game().string() + " -game "),
            std::string::npos)
      << result.out;
}

struct RefusalCase {
  const char* name;
  std::vector<std::string> arguments;
  int status;
  const char* says;
};

class CompileCliRefuses : public CompileCliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CompileCliRefuses, ExitsNonZeroSayingWhy) {
  install.FailingTool("vbsp.exe");
  std::vector<std::string> arguments = GetParam().arguments;
  for (std::string& argument : arguments) {
    if (argument == "ACCOUNT") argument = Account();
  }
  const Result result = Run(arguments);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_NE(result.err.find(GetParam().says), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CompileCliRefuses,
    ::testing::Values(
        RefusalCase{"NoAccount", {"compile"}, 1, "no usable account in cindrpath.ini"},
        RefusalCase{"NotAnAccount", {"compile", "--account", "/nowhere"}, 1, "no usable account: /nowhere"},
        RefusalCase{"NoLevel", {"compile", "missing.vmf", "--account", "ACCOUNT"}, 1, "no level file"},
        RefusalCase{"NoMap", {"compile", "--account", "ACCOUNT"}, 1, "NoMap!"}),
    testing::ParamName{});

TEST_F(CompileCliTest, CtrlCDuringAToolIsTheEmergencyExit) {
  install.HangingTool("vvis.exe");
  const pid_t cli = Start({"compile", "--account", Account(), "--launch"});
  while (!std::filesystem::exists(install.Marker("started"))) usleep(10000);
  kill(cli, SIGINT);
  const Result result = Finish(cli);
  EXPECT_EQ(result.status, 130) << result.err;
  EXPECT_NE(result.err.find("compilation aborted"), std::string::npos) << result.err;
  EXPECT_EQ(install.TraceLines().size(), 2u) << "no RAD";
  EXPECT_TRUE(std::filesystem::is_empty(install.MapsFolder()));
  EXPECT_FALSE(std::filesystem::exists(install.Marker("game.txt")));
  std::string child;
  std::ifstream(install.Marker("child.pid")) >> child;
  // The tool's child was killed with its group: at most a zombie nobody reaped yet.
  for (;;) {
    std::ifstream stat("/proc/" + child + "/stat");
    std::string text;
    if (!std::getline(stat, text) || text[text.rfind(") ") + 2] == 'Z') break;
    usleep(10000);
  }
}

TEST_F(CompileCliTest, GenerateCompilesAndLaunchesInOneGo) {
  std::filesystem::copy(VENDREL_BUNDLED_ROOMS, install.programFolder / "rooms");
  for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    std::filesystem::copy_file(std::filesystem::path(VENDREL_SPAWN_DATA) / data,
                               install.programFolder / data);
  }
  const Result result = Run({"generate", "--seed", "7", "--size", "12", "--difficulty", "3",
                             "--compile", "--launch", "--account", Account()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Level written: "), std::string::npos);
  EXPECT_NE(result.out.find("Level compiled: "), std::string::npos);
  EXPECT_NE(GameTrace().find("[+map] [level1] [skill] [3;bind]"), std::string::npos);
  EXPECT_NE(GameTrace().find("[+toggleconsole] pid="), std::string::npos) << "no all weapons";
  EXPECT_EQ(testing::ReadFile(install.MapsFolder() / "level1.bsp"), "compiled");
}

}  // namespace
}  // namespace vendrel
