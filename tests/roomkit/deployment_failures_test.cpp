#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <utility>

#include "deployment.h"
#include "kit_test_support.h"
#include "map_format_error.h"
#include "param_name.h"

namespace vendrel::roomkit {
namespace {

using namespace testing;

// A host that fails once, the way a test says, when the kit starts to write the room.
class FailingHost : public RecordingHost {
 public:
  void SetStatus(std::string_view text) override {
    RecordingHost::SetStatus(text);
    if (failure && text == "Status: Modifying and deploying map...") std::exchange(failure, nullptr)();
  }
  std::function<void()> failure;
};

struct FailureCase {
  std::string name;
  std::function<void()> fail;
  std::string fault;
  bool errorLog = false;
};

class DeploymentFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DeploymentFailure, EndsThroughMapFaultAndWritesNoRoom) {
  TempFolder temp;
  FailingHost host;
  host.failure = GetParam().fail;
  RecordingDisplay display;
  FixedClock clock;
  RandomSource random(clock);
  random.SetSeedMode(SeedMode::Custom, 7);
  WriteFile(temp / "room.vmf", AlleyMap());
  const DeployResult result = DeployRoom({host, display, random, temp / "rooms"}, temp / "room.vmf");

  std::string fault = GetParam().fault;
  if (GetParam().errorLog) fault += temp.Path().string() + ".";
  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(result.fault, fault);
  ASSERT_EQ(host.messages.size(), 2u);
  const std::string named = fault.find("room.vmf") == std::string::npos ? "room.vmf: " + fault : fault;
  EXPECT_EQ(host.messages[0].text, "There's a problem with this room: " + named);
  EXPECT_EQ(host.statuses.back(), "Status: Error occoured!");
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms"));
  EXPECT_EQ(std::filesystem::exists(temp / "errorlog.txt"), GetParam().errorLog);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DeploymentFailure,
    ::testing::Values(
        FailureCase{"MapFileLine", [] { throw MapFormatError("room.vmf", 40, "a stray word"); },
                    "Your map file couldn't be read: room.vmf: At line 40: a stray word"},
        FailureCase{"FileSystem", [] { (void)std::filesystem::file_size("/no/such/room.vmf"); },
                    "A file couldn't be read or written: filesystem error: cannot get file size: No "
                    "such file or directory [/no/such/room.vmf]"},
        FailureCase{"Allocation", [] { throw std::bad_alloc(); },
                    "There is not enough memory to deploy this room."},
        FailureCase{"OutOfRange", [] { (void)std::string("ab").at(5); },
                    "An internal error stopped the deployment (basic_string::at: __n (which is 5) >= "
                    "this->size() (which is 2)). errorlog.txt has been written in ",
                    true},
        FailureCase{"NotAnException", [] { throw 42; },
                    "An internal error stopped the deployment (an unknown failure). errorlog.txt has "
                    "been written in ",
                    true}),
    ::vendrel::testing::ParamName());

TEST(DeploymentFailure, AProgrammersFaultLeavesItsDetailInTheKitFoldersErrorLog) {
  TempFolder temp;
  FailingHost host;
  host.failure = [] { throw std::logic_error("turn count 5"); };
  RecordingDisplay display;
  FixedClock clock;
  RandomSource random(clock);
  WriteFile(temp / "room.vmf", AlleyMap());
  DeployRoom({host, display, random, temp / "rooms"}, temp / "room.vmf");
  EXPECT_EQ(ReadFile(temp / "errorlog.txt"), "Deployment: turn count 5\r\n");
}

}  // namespace
}  // namespace vendrel::roomkit
