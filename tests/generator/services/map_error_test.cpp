#include "map_error.h"

#include <gtest/gtest.h>

#include "fixed_clock.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

struct MapErrorTest : ::testing::Test {
  testing::TempFolder folder;
  testing::RecordingHost host;
  testing::FixedClock clock;
  RandomSource random{clock};
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};
};

TEST_F(MapErrorTest, FatalWithDetailWritesTheErrorLog) {
  EXPECT_THROW(MapError(engine, "Bad room", true, "Level end room was passed?"), MapErrorExit);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].text,
            "An error occoured when creating map. Following error message was returned: Bad room");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(host.messages[1].title, "Fatal!");
  EXPECT_EQ(host.messages[1].icon, MessageIcon::Critical);
  EXPECT_NE(host.messages[1].text.find(std::string(kMaintainerAddress)), std::string::npos);
  EXPECT_EQ(host.messages[2].title, "Shutting Down...");
  EXPECT_EQ(host.messages[2].text, "Quilla will now exit.");
  EXPECT_EQ(testing::ReadFile(folder / "errorlog.txt"), "Level end room was passed?\r\n");
  EXPECT_NE(testing::ReadFile(log.FilePath()).find("ERROR: Bad room"), std::string::npos);
}

TEST_F(MapErrorTest, FatalWithoutDetailOrNotFatalWritesNoErrorLog) {
  EXPECT_THROW(MapError(engine, "one", true, ""), MapErrorExit);
  EXPECT_THROW(MapError(engine, "two", false, "detail"), MapErrorExit);
  EXPECT_FALSE(std::filesystem::exists(folder / "errorlog.txt"));
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[1].title, "Shutting Down...");
  EXPECT_EQ(host.messages[3].title, "Shutting Down...");
}

}  // namespace
}  // namespace vendrel
