#include <gmock/gmock.h>

#include <QShortcut>
#include <cstdlib>

#include "debug_printout.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::WindowFixture;

class DeveloperViewsTest : public WindowFixture {
 protected:
  void SetUp() override {
    testing::WriteSmallLibrary(Rooms());
    Start();
  }
  void Press(const char* shortcutName) {
    auto* shortcut = Find<QShortcut>(shortcutName);
    ASSERT_NE(shortcut, nullptr);
    EXPECT_FALSE(shortcut->key().isEmpty());
    QMetaObject::invokeMethod(shortcut, "activated");
  }
};

TEST_F(DeveloperViewsTest, Make100MapsPaintsEveryMazeAndSaysKlar) {
  Find<QCheckBox>("CustomSeed")->setChecked(true);
  Find<QLineEdit>("CustomSeedBox")->setText("5");
  Press("Make100MapsShortcut");
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].text, "Klar!");
  EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::None);
  for (const int n : {1, 100}) {
    EXPECT_TRUE(std::filesystem::exists(folder / "Maps" / ("Map" + std::to_string(n) + ".bmp")));
    EXPECT_TRUE(std::filesystem::exists(folder / "Maps" / ("Map" + std::to_string(n) + ".txt")));
  }
  auto* testSurf = window->findChild<TestSurfWindow*>("TestSurf");
  ASSERT_NE(testSurf, nullptr);
  EXPECT_TRUE(testSurf->isVisible());
  EXPECT_EQ(testSurf->windowTitle(), "DrawLine");
  int painted = 0;
  for (int y = 0; y < testSurf->Image().height(); ++y) {
    for (int x = 0; x < testSurf->Image().width(); ++x)
      painted += testSurf->Image().pixel(x, y) != qRgb(255, 255, 255);
  }
  EXPECT_GT(painted, 0);

  // ShowSurf stays on: the next run's maze is drawn too.
  Find<QPushButton>("Command1")->click();
  EXPECT_TRUE(std::filesystem::exists(LevelFile()));
  EXPECT_TRUE(testSurf->isVisible());
}

class WinePrefix {
 public:
  explicit WinePrefix(const std::filesystem::path& prefix) {
    if (const char* old = std::getenv("WINEPREFIX")) old_ = old;
    setenv("WINEPREFIX", prefix.c_str(), 1);
  }
  ~WinePrefix() {
    if (old_)
      setenv("WINEPREFIX", old_->c_str(), 1);
    else
      unsetenv("WINEPREFIX");
  }

 private:
  std::optional<std::string> old_;
};

TEST_F(DeveloperViewsTest, PrintOutRoomlinesWritesTheSelectedRoomToTestaOnDriveC) {
  vendrel::testing::TempFolder wine;
  const WinePrefix prefix(wine.Path());
  Find<QPushButton>("Command6")->click();
  Press("PrintOutRoomlinesShortcut");
  const auto file = wine.Path() / "drive_c" / "Testa.vmf";
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_THAT(vendrel::testing::ReadFile(file), HasSubstr("\"material\" \"DEV/DEV_FLOOR\""));
  EXPECT_TRUE(dialogs->messages.empty());
}

TEST(WineDrivePathTest, MapsTheDriveLetterIntoThePrefix) {
  const WinePrefix prefix("/tmp/prefix");
  EXPECT_EQ(WineDrivePath("C:\\Testa.vmf"), std::filesystem::path("/tmp/prefix/drive_c/Testa.vmf"));
  EXPECT_EQ(WineDrivePath("d:\\maps\\a.vmf"),
            std::filesystem::path("/tmp/prefix/drive_d/maps/a.vmf"));
  EXPECT_EQ(WineDrivePath("Testa.vmf"), std::filesystem::path());
}

}  // namespace
}  // namespace vendrel::generator_ui
