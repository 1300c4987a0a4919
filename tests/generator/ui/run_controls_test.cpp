#include <gmock/gmock.h>

#include <algorithm>

#include "scripted_random.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using testing::WindowFixture;
using vendrel::testing::ReadFile;

const char* const kRunControls[] = {"Frame1",   "Frame2",   "Command1", "Command5",
                                    "Command6", "Command7", "Command2"};

class RunControlsTest : public WindowFixture {
 protected:
  void SetUp() override {
    testing::WriteSmallLibrary(Rooms());
    Start();
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText("7");
    Find<Gradomat>("MapSizeBar")->SetValue(8);
  }

  std::vector<bool> RunControlStates() const {
    std::vector<bool> states;
    for (const char* name : kRunControls) states.push_back(Find<QWidget>(name)->isEnabled());
    return states;
  }
};

TEST_F(RunControlsTest, CancelInTheConfirmationChangesNothing) {
  dialogs->answers = {MessageAnswer::Cancel};
  Find<QPushButton>("Command1")->click();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  const auto& box = dialogs->messages[0];
  EXPECT_EQ(box.title, "Continiune?");
  EXPECT_EQ(box.text, "The creation will now begin! ");
  EXPECT_EQ(box.icon, MessageIcon::None);
  EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
  EXPECT_EQ(Text("StatusLabel"), "Ready...");
  EXPECT_THAT(RunControlStates(), Each(true));
  EXPECT_FALSE(std::filesystem::exists(LevelFile()));
  EXPECT_EQ(ReadFile(window->Log().FilePath()).find("Process started"), std::string::npos);
}

TEST_F(RunControlsTest, ARunDisablesTheSettingsShowsAbortAndGivesThemBack) {
  std::vector<QString> statuses;
  std::vector<std::vector<bool>> states;
  std::vector<bool> abortShown;
  WhileYielding(
      [&] {
        if (statuses.empty() || statuses.back() != Text("StatusLabel"))
          statuses.push_back(Text("StatusLabel"));
        states.push_back(RunControlStates());
        abortShown.push_back(Find<QWidget>("AbortButton")->isVisible());
      },
      [&] { Find<QPushButton>("Command1")->click(); });

  ASSERT_TRUE(std::filesystem::exists(LevelFile()));
  EXPECT_EQ(statuses.front(), "Reserving memory...");
  EXPECT_THAT(states, Contains(std::vector<bool>(std::size(kRunControls), false)));
  EXPECT_THAT(abortShown, Contains(true));
  // The fixture's rooms are open to the void; the check says so after "Done!".
  EXPECT_EQ(Text("StatusLabel"), "Level check: 1 fault");
  EXPECT_THAT(RunControlStates(), Each(true));
  EXPECT_FALSE(Find<QWidget>("AbortButton")->isVisible());
  EXPECT_TRUE(Find<ProgressPicture>("Progg")->Lines().empty());
  EXPECT_NE(ReadFile(window->Log().FilePath()).find("] Process started at 2026-12-06 05:07:09\r\n"),
            std::string::npos);
}

// A library without a game end room: the log warns before the run meets the hole.
class CoverageWarningTest : public WindowFixture {};

TEST_F(CoverageWarningTest, AHoleInTheLibraryIsLoggedBeforeTheRun) {
  testing::WriteSmallLibrary(Rooms());
  ASSERT_TRUE(std::filesystem::remove(Rooms() / "type6.rgr"));
  Start();
  Find<QPushButton>("Command1")->click();
  const std::string logged = ReadFile(window->Log().FilePath());
  const auto warned = logged.find("Warning: genre 0 has no room for a game end (type 6)");
  ASSERT_NE(warned, std::string::npos) << logged;
  EXPECT_LT(warned, logged.find("ERROR: Could not find any rooms to match current room connection type!"));
}

TEST_F(RunControlsTest, AbortStopsTheRunAtTheNextTestPoint) {
  WhileYielding(
      [&] {
        auto* abort = Find<QPushButton>("AbortButton");
        if (abort->isVisible() && Text("StatusLabel").startsWith("Generating room 2"))
          abort->click();
      },
      [&] { Find<QPushButton>("Command1")->click(); });
  EXPECT_FALSE(std::filesystem::exists(LevelFile()));
  EXPECT_FALSE(window->State().abortRequested);
  EXPECT_THAT(RunControlStates(), Each(true));
  EXPECT_FALSE(Find<QWidget>("AbortButton")->isVisible());

  Find<QPushButton>("Command1")->click();
  EXPECT_TRUE(std::filesystem::exists(LevelFile())) << "the next run closes the open working file";
  EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
}

// The largest level from the bundled library: the window repaints and takes the abort
// click deep into the run.
class LargestRunTest : public RunControlsTest {
 protected:
  void SetUp() override {
    std::filesystem::copy(VENDREL_BUNDLED_ROOMS, Rooms());
    Start();
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText("11");
    Find<Gradomat>("MapSizeBar")->SetValue(35);
  }
};

TEST_F(LargestRunTest, StaysResponsiveAndTakesTheAbortClick) {
  int repaints = 0;
  bool aborted = false;
  std::vector<std::size_t> progress;
  struct PaintCounter : QObject {
    int& count;
    explicit PaintCounter(int& c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count;
      return false;
    }
  } counter(repaints);
  Find<QWidget>("Progg")->installEventFilter(&counter);
  WhileYielding(
      [&] {
        progress.push_back(Find<ProgressPicture>("Progg")->Lines().size());
        auto* abort = Find<QPushButton>("AbortButton");
        if (!aborted && abort->isVisible() &&
            Text("StatusLabel").startsWith("Generating room 30")) {
          abort->click();
          aborted = true;
        }
      },
      [&] { Find<QPushButton>("Command1")->click(); });
  EXPECT_TRUE(aborted);
  EXPECT_GT(repaints, 30);
  EXPECT_GT(*std::max_element(progress.begin(), progress.end()), 500u);
  EXPECT_FALSE(std::filesystem::exists(LevelFile())) << "aborted before the level was written";
  EXPECT_THAT(RunControlStates(), Each(true));
}

TEST_F(RunControlsTest, TheRoomTestModeNoteJoinsTheConfirmation) {
  Find<QPushButton>("Command6")->click();
  Find<QListWidget>("RoomList")->setCurrentRow(0);
  Find<QPushButton>("Command7")->click();
  dialogs->answers = {MessageAnswer::Cancel};
  Find<QPushButton>("Command1")->click();
  EXPECT_EQ(dialogs->messages.back().text,
            "The creation will now begin! Note that you are in room test mode. One of your rooms "
            "have disabled the other rooms in it's type, that means that the room selected as "
            "testing will be the only one showing up. To reset this, press the restore button "
            "in the room manager.");
}

TEST_F(RunControlsTest, AnUnusableSeedIsRefusedBeforeTheRun) {
  Find<QLineEdit>("CustomSeedBox")->setText("seven");
  Find<QPushButton>("Command1")->click();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].title, "Custom Seed");
  EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
  EXPECT_FALSE(std::filesystem::exists(LevelFile()));
  EXPECT_FALSE(window->ExitStatus());
}

// Rooms so wide that the third cell of any path lies beyond the world bounds.
class RestartTest : public WindowFixture {
 protected:
  void SetUp() override {
    testing::WriteSmallLibrary(Rooms(), 6000, 2);
    Start();
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<QLineEdit>("CustomSeedBox")->setText("77");
  }
};

TEST_F(RestartTest, TheCountdownShowsInTheStatusAndClicksGenerateWithoutAsking) {
  Find<QPushButton>("Command1")->click();
  auto* timer = window->findChild<QTimer*>("RestartTimer");
  ASSERT_NE(timer, nullptr);
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  EXPECT_EQ(Text("StatusLabel"), "Path out of bounds! Restart in 2...");
  EXPECT_TRUE(Find<QWidget>("Command1")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(LevelFile()));

  window->RestartTimer_Timer();
  EXPECT_EQ(Text("StatusLabel"), "Path out of bounds! Restart in 1...");
  EXPECT_EQ(window->State().restartCountdown, 1);

  // Rooms that fit the world, so that the restarted run gets through.
  std::filesystem::remove_all(Rooms());
  testing::WriteSmallLibrary(Rooms());
  Find<QPushButton>("Command11")->click();
  window->RestartTimer_Timer();
  EXPECT_FALSE(timer->isActive());
  EXPECT_TRUE(std::filesystem::exists(LevelFile()));
  EXPECT_EQ(window->State().restartCountdown, 99);
  EXPECT_THAT(dialogs->Titles(), Contains("Continiune?").Times(1)) << "the restart did not ask";

  std::filesystem::remove(LevelFile());
  Find<QPushButton>("Command1")->click();
  EXPECT_TRUE(std::filesystem::exists(LevelFile()));
  EXPECT_THAT(dialogs->Titles(), Contains("Continiune?").Times(1))
      << "every later click skips it too";
}

TEST(SetRandomizedOptionsTest, TheGaugesStayInTheirRanges) {
  const std::pair<double, std::vector<int>> cases[] = {
      {0.0, {5, 0, 0, 1, 0, 0}}, {0.999999, {34, 10, 10, 3, 20, 10}}, {0.5, {20, 5, 5, 2, 10, 5}}};
  const char* const order[] = {"MapSizeBar",    "EnemyBar",        "WeaponAmmoBar",
                               "DifficulcyBar", "AlienCombineBar", "NewWeaponsBar"};
  for (const auto& [draw, expected] : cases) {
    SCOPED_TRACE(draw);
    vendrel::testing::TempFolder program;
    vendrel::testing::FixedClock clock;
    vendrel::testing::ScriptedRandom random;
    random.afterScript = draw;
    MainWindow window({program.Path(), testing::kSpawnData, clock, random,
                       std::make_unique<testing::ScriptedDialogs>()});
    window.Form_Load();
    window.findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(random.randaCalls, 1);
    std::vector<int> values;
    for (const char* name : order) values.push_back(window.findChild<Gradomat*>(name)->Value());
    EXPECT_EQ(values, expected);
  }
}

// A start room whose exit no room of the library fits: the run ends through MapError.
class EngineErrorTest : public WindowFixture {};

TEST_F(EngineErrorTest, EndsTheProgramAfterItsBoxesWithTheLogClosed) {
  vendrel::testing::WriteFixtureRoom(Rooms(), {"start2", 5, {2, 0, 0, 0}});
  vendrel::testing::WriteFixtureRoom(Rooms(), {"hall", 0, {1, 0, 1, 0}});
  Start();
  Find<QCheckBox>("CustomSeed")->setChecked(true);
  Find<QLineEdit>("CustomSeedBox")->setText("3");
  Find<Gradomat>("MapSizeBar")->SetValue(10);
  Find<QPushButton>("Command1")->click();

  EXPECT_THAT(dialogs->Titles(), ElementsAre("Continiune?", "Warning!", "Shutting Down..."));
  EXPECT_EQ(dialogs->messages.back().text, "Quilla will now exit.");
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(window->ExitStatus(), 1);
  EXPECT_FALSE(window->Log().IsOpen());
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(ReadFile(window->Log().FilePath()).find("ERROR: "), std::string::npos);

  Find<QPushButton>("Command1")->click();
  EXPECT_EQ(dialogs->messages.size(), 3u) << "an ended program handles nothing more";
}

}  // namespace
}  // namespace vendrel::generator_ui
