#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using testing::WindowFixture;

constexpr const char* kShortHeader = "name\r\n 0 \r\n4\r\n";
constexpr const char* kShortHeaderReason =
    ": its header couldn't be read: holds only 3 of the 21 header items";

class LeftOutRoomsBoxTest : public WindowFixture {
 protected:
  void WriteShortHeader(const std::string& fileName) {
    vendrel::testing::WriteFile(Rooms() / fileName, kShortHeader);
  }
  void StartWithSeed(const char* seed) {
    Start();
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText(seed);
  }
  std::vector<std::string> LeftOutBoxes() const {
    std::vector<std::string> texts;
    for (const auto& message : dialogs->messages) {
      if (message.title == "Warning!") texts.push_back(message.text);
    }
    return texts;
  }
  std::string Boxes() const {
    std::string said;
    for (const auto& message : dialogs->messages) said += message.title + ": " + message.text + "\n";
    return said;
  }
};

TEST_F(LeftOutRoomsBoxTest, ComesUpOnceUntilOtherFilesAreLeftOut) {
  // Rooms so wide that every run leaves the world's bounds and starts again by itself.
  testing::WriteSmallLibrary(Rooms(), 6000, 2);
  WriteShortHeader("broken.rgr");
  StartWithSeed("77");
  const std::string told = "These room files are left out, and no run will use them:\nbroken.rgr" +
                           std::string(kShortHeaderReason);

  Find<QPushButton>("Command1")->click();
  auto* timer = window->findChild<QTimer*>("RestartTimer");
  ASSERT_TRUE(timer->isActive());
  ASSERT_EQ(dialogs->messages.size(), 2u) << Boxes();
  EXPECT_EQ(dialogs->messages[0].title, "Warning!");
  EXPECT_EQ(dialogs->messages[0].text, told);
  EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(dialogs->messages[1].title, "Continiune?");

  const std::size_t runsBefore = dialogs->messages.size();
  window->RestartTimer_Timer();
  window->RestartTimer_Timer();
  EXPECT_TRUE(timer->isActive()) << "the restarted run left the bounds again";
  EXPECT_EQ(window->State().restartCountdown, 2) << "the restart ran";
  EXPECT_EQ(dialogs->messages.size(), runsBefore) << Boxes();
  timer->stop();

  Find<QPushButton>("Command1")->click();
  Find<QPushButton>("Command6")->click();  // scans the same library again
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(LeftOutBoxes(), ElementsAre(told)) << Boxes();

  WriteShortHeader("cracked.rgr");
  Find<QPushButton>("Command11")->click();
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(LeftOutBoxes(),
              ElementsAre(told, "These room files are left out, and no run will use them:\n"
                                "broken.rgr" + std::string(kShortHeaderReason) +
                                    "\ncracked.rgr" + kShortHeaderReason))
      << Boxes();
}

TEST_F(LeftOutRoomsBoxTest, ListsAFewFilesAndCountsTheRest) {
  testing::WriteSmallLibrary(Rooms());
  for (int i = 1; i <= 7; ++i) WriteShortHeader("broken" + std::to_string(i) + ".rgr");
  StartWithSeed("1");

  Find<QPushButton>("Command1")->click();

  std::string listed = "These room files are left out, and no run will use them:";
  for (int i = 1; i <= 3; ++i) listed += "\nbroken" + std::to_string(i) + ".rgr" + kShortHeaderReason;
  EXPECT_THAT(LeftOutBoxes(), ElementsAre(listed + "\n...and 4 more room files.")) << Boxes();
  EXPECT_TRUE(std::filesystem::exists(LevelFile())) << "the run went on without them";
}

}  // namespace
}  // namespace vendrel::generator_ui
