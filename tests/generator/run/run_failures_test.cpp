#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "categorize.h"
#include "compile_main.h"
#include "map_error.h"
#include "map_format_error.h"
#include "number_text.h"
#include "param_name.h"
#include "recording_host.h"
#include "room_fixtures.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

// A host that fails once, the way a test says, when a given status shows.
class FailingHost : public testing::RecordingHost {
 public:
  void SetStatus(std::string_view text) override {
    RecordingHost::SetStatus(text);
    if (failure && text.starts_with(failAt)) std::exchange(failure, nullptr)();
  }
  std::string failAt;
  std::function<void()> failure;
};

// A random source whose draw number `failOn` (from 1) runs out of memory.
class FailingRandom : public RandomSource {
 public:
  using RandomSource::RandomSource;
  double Draw() override {
    if (++draws == failOn) throw std::bad_alloc();
    return RandomSource::Draw();
  }
  int failOn = 0;
  int draws = 0;
};

constexpr const char* kOldLevel = "the old level, whole";

struct FailureRun : ::testing::Test, testing::CustomRunContext<FailingHost, FailingRandom> {
  LevelPaths paths = DefaultLevelPaths(folder.Path());

  void SetUp() override {
    const auto rooms = RoomsFolder(folder.Path());
    testing::WriteFixtureRoom(rooms, {"start", 5, {1, 0, 0, 0}});
    for (int type : {0, 1, 2, 3, 4, 6}) testing::WriteFixtureRoom(rooms, {"type" + std::to_string(type), type});
    options.mapSize = 10;
    options.seedMode = SeedMode::Custom;
    options.customSeedText = "5";
    ApplySeed(options, random);
  }

  RunOutcome Once() {
    const RoomTable table = Categorize(engine, RoomsFolder(folder.Path()));
    return run.CompileMain({options, table, testing::kSpawnData, paths});
  }

  // The run must end through MapError; returns what it said.
  MapErrorExit FailedRun() {
    try {
      Once();
    } catch (const MapErrorExit& error) {
      return error;
    }
    ADD_FAILURE() << "the run did not fail";
    return MapErrorExit("", false);
  }
};

struct FailureCase {
  std::string name;
  std::function<void()> fail;
  bool fatal;
  std::string message;  // what the run says, after "Compile Main: " unless it names a file
};

class FailureInsideARun : public FailureRun, public ::testing::WithParamInterface<FailureCase> {};

// The failure strikes while the rooms are written: the working file is open, the old
// level file must stay whole, and nothing but MapErrorExit may leave the run.
TEST_P(FailureInsideARun, EndsThroughMapErrorAndLeavesTheOldLevelWhole) {
  testing::WriteFile(paths.levelFile, kOldLevel);
  host.failAt = "Generating room 2 of ";
  host.failure = GetParam().fail;
  const MapErrorExit error = FailedRun();

  EXPECT_EQ(error.Fatal(), GetParam().fatal);
  EXPECT_EQ(std::string(error.what()), GetParam().message);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.front().text,
            "An error occoured when creating map. Following error message was returned: " +
                GetParam().message);
  EXPECT_EQ(std::filesystem::exists(folder / "errorlog.txt"), GetParam().fatal);
  EXPECT_EQ(testing::ReadFile(paths.levelFile), kOldLevel);
  EXPECT_FALSE(std::filesystem::exists(paths.workingFile)) << "the half written level is removed";
  EXPECT_FALSE(run.State().abortRequested);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, FailureInsideARun,
    ::testing::Values(
        FailureCase{"NumberText", [] { (void)NumberOrThrow("12,5"); }, false,
                    "Compile Main: \"12,5\" is not a number, where the map text needs one"},
        FailureCase{"RoomFileLine",
                    [] { throw MapFormatError("rooms/hall.rgr", 31, "a stray word"); }, false,
                    "rooms/hall.rgr: At line 31: a stray word"},
        FailureCase{"LogicError", [] { throw std::logic_error("cell 3 placed out of order"); }, true,
                    "An internal error stopped the work in Compile Main: cell 3 placed out of order"},
        FailureCase{"OutOfRange", [] { (void)std::vector<int>(2).at(7); }, true,
                    "An internal error stopped the work in Compile Main: vector::_M_range_check: "
                    "__n (which is 7) >= this->size() (which is 2)"},
        FailureCase{"FileSystem",
                    [] { (void)std::filesystem::file_size("/no/such/room.rgr"); }, false,
                    "Compile Main: a file could not be read or written: filesystem error: cannot get "
                    "file size: No such file or directory [/no/such/room.rgr]"},
        FailureCase{"Allocation", [] { throw std::bad_alloc(); }, false,
                    "Compile Main: there is not enough memory to go on."},
        FailureCase{"NotAnException", [] { throw 42; }, true,
                    "An internal error stopped the work in Compile Main: an unknown failure"}),
    testing::ParamName());

TEST_F(FailureRun, AProgrammersFaultWritesWhereAndWhatIntoTheErrorLog) {
  host.failAt = "Generating room 2 of ";
  host.failure = [] { throw std::logic_error("cell 3 placed out of order"); };
  EXPECT_TRUE(FailedRun().Fatal());
  EXPECT_EQ(testing::ReadFile(folder / "errorlog.txt"), "Compile Main: cell 3 placed out of order\r\n");
  const auto& titles = host.messages;
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[1].title, "Fatal!");
  EXPECT_EQ(titles[2].title, "Shutting Down...");
}

TEST_F(FailureRun, ARandomSourceThatRunsOutOfMemoryInTheMazeStage) {
  random.failOn = 3;
  EXPECT_FALSE(FailedRun().Fatal());
  EXPECT_FALSE(std::filesystem::exists(paths.workingFile));
  EXPECT_FALSE(std::filesystem::exists(paths.levelFile));
}

// The level is larger than the file size limit: the write fails with EFBIG, as on a
// full disk, and no partly written level may replace the old one.
TEST_F(FailureRun, AWriteErrorIsReportedAndMovesNothingIntoPlace) {
  testing::WriteFile(paths.levelFile, kOldLevel);
  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const MapErrorExit error = FailedRun();
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(error.Fatal());
  EXPECT_EQ(std::string(error.what()),
            "Compile Main: a file could not be read or written: Cannot write the working map file " +
                paths.workingFile.string() + ": File too large");
  EXPECT_EQ(testing::ReadFile(paths.levelFile), kOldLevel);
  EXPECT_FALSE(std::filesystem::exists(paths.workingFile));
}

struct OutputCase {
  std::string name;
  std::function<std::filesystem::path(const std::filesystem::path& folder)> make;
  std::string kind;
  bool workingFile = false;  // the thing is where the working file goes
};

std::filesystem::path MakeFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directory(folder / "out");
  return folder / "out";
}

std::filesystem::path MakeFifo(const std::filesystem::path& folder) {
  const auto fifo = folder / "out";
  EXPECT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  return fifo;
}

std::filesystem::path MakeSocket(const std::filesystem::path& folder) {
  const auto socketPath = folder / "out";
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.string().copy(address.sun_path, sizeof address.sun_path - 1);
  EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(fd);
  return socketPath;
}

class UnsafeOutput : public FailureRun, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(UnsafeOutput, IsRefusedBeforeAnythingIsWrittenAndLeftAsItWas) {
  const std::filesystem::path target = GetParam().make(folder.Path());
  const auto typeBefore = std::filesystem::status(target).type();
  if (GetParam().workingFile) {
    paths.workingFile = target;
  } else {
    paths.levelFile = target;
    paths.workingFile = folder / "out.temp.dta";
  }
  const MapErrorExit error = FailedRun();

  EXPECT_FALSE(error.Fatal());
  const std::string what = GetParam().workingFile ? "working map file " : "level file ";
  EXPECT_EQ(std::string(error.what()), "The " + what + target.string() + " is " + GetParam().kind +
                                           ": name a regular file or a path that does not exist yet.");
  EXPECT_EQ(std::filesystem::status(target).type(), typeBefore);
  if (std::filesystem::is_directory(target)) {
    EXPECT_TRUE(std::filesystem::is_empty(target));
  }
  if (!GetParam().workingFile) {
    EXPECT_FALSE(std::filesystem::exists(paths.workingFile));
  }
  EXPECT_EQ(std::find(host.statuses.begin(), host.statuses.end(), "Randomizing Levels..."),
            host.statuses.end())
      << "refused before the maze stage";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnsafeOutput,
    ::testing::Values(OutputCase{"EmptyFolder", MakeFolder, "a folder"},
                      OutputCase{"Fifo", MakeFifo, "a FIFO"},
                      OutputCase{"Socket", MakeSocket, "a socket"},
                      OutputCase{"Device", [](const std::filesystem::path&) {
                                   return std::filesystem::path("/dev/null");
                                 }, "a device"},
                      OutputCase{"FolderAsWorkingFile", MakeFolder, "a folder", true}),
    testing::ParamName());

}  // namespace
}  // namespace vendrel
