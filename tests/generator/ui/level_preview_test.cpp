#include <gmock/gmock.h>

#include <QKeyEvent>
#include <QListWidget>

#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::HasSubstr;
using testing::WindowFixture;

// A picture with something drawn on it, not one flat colour.
bool Drawn(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      if (pixels.pixel(x, y) != pixels.pixel(0, 0)) return true;
    }
  }
  return false;
}

class LevelPreviewTest : public WindowFixture {
 protected:
  void SetUp() override {
    testing::WriteSmallLibrary(Rooms());
    Start();
    Find<QCheckBox>("CustomSeed")->setChecked(true);
    Find<Gradomat>("MapSizeBar")->SetValue(8);
  }
  void Generate(const char* seed) {
    Find<QLineEdit>("CustomSeedBox")->setText(seed);
    Find<QPushButton>("Command1")->click();
  }
  LevelPreviewPanel& Panel() const { return window->Preview(); }
  void Press(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }
};

TEST_F(LevelPreviewTest, ShowsEachNewLevelWithItsVerdictAndKeepsItThroughAnAbortedRun) {
  EXPECT_TRUE(Panel().Picture().isNull());
  EXPECT_EQ(Text("LevelPreview"), "No level generated yet.");

  Generate("7");
  const QImage first = Panel().Picture();
  ASSERT_TRUE(Drawn(first));
  EXPECT_GT(first.width(), 400) << "drawn at full size, shown small";
  EXPECT_LE(Find<QLabel>("LevelPreview")->pixmap().width(), 280);
  EXPECT_THAT(Text("LevelPreviewVerdict").toStdString(),
              HasSubstr("The level check failed: 1 fault. At line "));

  // An aborted run writes no level: the one shown is still the one in the level file.
  WhileYielding(
      [&] {
        auto* abort = Find<QPushButton>("AbortButton");
        if (abort->isVisible() && Text("StatusLabel").startsWith("Generating room 2")) abort->click();
      },
      [&] { Generate("8"); });
  EXPECT_EQ(Panel().Picture(), first);

  Generate("9");
  EXPECT_NE(Panel().Picture(), first);
}

TEST_F(LevelPreviewTest, EnterOrAClickOpensTheFullSizePicture) {
  auto* thumbnail = Find<QLabel>("LevelPreview");
  EXPECT_TRUE(thumbnail->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(thumbnail->accessibleName(), "Level Preview");
  Press(thumbnail, Qt::Key_Return);
  EXPECT_FALSE(Panel().LargeWindow().isVisible()) << "nothing to enlarge yet";

  Generate("7");
  Press(thumbnail, Qt::Key_Return);
  QWidget& large = Panel().LargeWindow();
  EXPECT_TRUE(large.isVisible());
  EXPECT_EQ(large.windowTitle(), "Level Preview");
  EXPECT_EQ(large.findChild<QLabel*>("LevelPreviewLarge")->pixmap().size(), Panel().Picture().size());
  large.close();

  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(thumbnail, &click);
  EXPECT_TRUE(large.isVisible());
}

// The bundled library's rooms are closed to the void: a level of them passes the check.
class SoundLevelTest : public WindowFixture {};

TEST_F(SoundLevelTest, PassesTheCheckAndGoesStraightToTheCompileQuestion) {
  std::filesystem::copy(VENDREL_BUNDLED_ROOMS, Rooms());
  Start();
  Find<QCheckBox>("CustomSeed")->setChecked(true);
  Find<QLineEdit>("CustomSeedBox")->setText("1");
  Find<Gradomat>("MapSizeBar")->SetValue(5);
  Find<QPushButton>("Command1")->click();
  EXPECT_THAT(dialogs->Titles(), ::testing::ElementsAre("Continiune?", "Generating done!", "Abort?"));
  EXPECT_EQ(Text("LevelPreviewVerdict"), "The level check passed: sound and sealed.");
  EXPECT_THAT(vendrel::testing::ReadFile(window->Log().FilePath()),
              HasSubstr("] Level check: sound and sealed\r\n"));
}

class RoomPictureTest : public WindowFixture {};

TEST_F(RoomPictureTest, TheRoomManagerDrawsTheSelectedRoomOrSaysWhyNot) {
  vendrel::testing::WriteFixtureRoom(Rooms(), {"alpha", 1, {1, 1, 0, 0}});
  vendrel::testing::WriteFile(Rooms() / "broken.rgr", "two\r\nitems\r\n");
  Start();
  Find<QPushButton>("Command6")->click();
  auto* list = Find<QListWidget>("RoomList");
  auto* picture = Find<QLabel>("RM_Picture");
  list->setCurrentItem(list->findItems("alpha.rgr", Qt::MatchExactly).front());
  EXPECT_TRUE(Drawn(picture->pixmap().toImage()));
  list->setCurrentItem(list->findItems("broken.rgr", Qt::MatchExactly).front());
  EXPECT_TRUE(picture->pixmap().isNull());
  EXPECT_TRUE(picture->text().startsWith("No picture: ")) << picture->text().toStdString();
}

}  // namespace
}  // namespace vendrel::generator_ui
