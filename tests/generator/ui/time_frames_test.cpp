#include <gmock/gmock.h>

#include <QComboBox>
#include <QTest>

#include "scripted_random.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using testing::WindowFixture;

const QString kDegree(QChar(0xB0));

class TimeFramesTest : public WindowFixture {
 protected:
  void SetUp() override { Start(); }
  void SetClock(int value) { Find<Gradomat>("ClockBar")->SetValue(value); }
  void SetSeason(int index) { Find<QComboBox>("Combo2")->setCurrentIndex(index); }
};

TEST_F(TimeFramesTest, StartsAtNoonInSpringOnTheEquator) {
  EXPECT_EQ(Text("Frame4"), "Time - (Not Daylight Saving Time)");
  EXPECT_EQ(Text("Frame5"), "Time of the Day");
  EXPECT_EQ(Text("BigTimerBox"), "12:00");
  EXPECT_EQ(Text("LatitudBox"), "0" + kDegree);
  EXPECT_EQ(Text("SunAngleBox"), "90" + kDegree);
  auto* combo2 = Find<QComboBox>("Combo2");
  ASSERT_EQ(combo2->count(), 4);
  EXPECT_EQ(combo2->itemText(0), "Summer");
  EXPECT_EQ(combo2->currentText(), "Spring");
  EXPECT_EQ(window->Latitude(), 0);
  EXPECT_FLOAT_EQ(window->Sun().dayHour, 12);
}

TEST_F(TimeFramesTest, TheClockShowsHalfHours) {
  const std::pair<int, const char*> cases[] = {
      {25, "12:30"}, {0, "0:00"}, {48, "24:00"}, {47, "23:30"}};
  for (const auto& [value, text] : cases) {
    SetClock(value);
    EXPECT_EQ(Text("BigTimerBox"), text) << value;
    EXPECT_FLOAT_EQ(window->Sun().dayHour, value * 0.5f);
  }
}

TEST_F(TimeFramesTest, TheSunAngleFollowsLatitudeHourAndSeason) {
  window->Picture1_MouseDown(TwipsFromLatitude(40));
  SetSeason(0);
  EXPECT_EQ(window->Latitude(), 40);
  EXPECT_EQ(Text("SunAngleBox"), "73.5" + kDegree);

  window->Picture1_MouseDown(TwipsFromLatitude(90));
  SetSeason(1);
  EXPECT_EQ(Text("SunAngleBox"), "0" + kDegree);

  // On the equator summer takes 23.5 away and winter adds it, over the zenith and back.
  const double noon = 90 * std::sin(24 / 48.0 * 6.283 - 1.6);
  window->Picture1_MouseDown(TwipsFromLatitude(0));
  SetSeason(0);
  EXPECT_NEAR(window->Sun().sunElevation, noon - 23.5, 1e-4);
  SetSeason(2);
  EXPECT_NEAR(window->Sun().sunElevation, 180 - (noon + 23.5), 1e-4);
  SetClock(12);
  window->Picture1_MouseDown(TwipsFromLatitude(-30));
  EXPECT_FLOAT_EQ(window->Sun().sunAzimuth, 270);
}

TEST_F(TimeFramesTest, TheLatitudeClickAtBothEdgesOfTheMap) {
  window->Picture1_MouseDown(0);
  EXPECT_EQ(Text("LatitudBox"), "90" + kDegree);
  window->Picture1_MouseDown(915);
  EXPECT_EQ(Text("LatitudBox"), "-50" + kDegree);

  auto* map = Find<WorldMap>("Picture1");
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(map->width() / 2, 0));
  EXPECT_EQ(window->Latitude(), 90);
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(map->width() / 2, map->height() - 1));
  EXPECT_EQ(window->Latitude(), -50);
  EXPECT_DOUBLE_EQ(map->LineTwips(), 915);

  // The red line lies where the click was.
  const QImage picture = map->grab().toImage();
  EXPECT_EQ(picture.pixelColor(map->width() / 3, map->height() - 1), QColor(Qt::red));
  EXPECT_NE(picture.pixelColor(map->width() / 3, 0), QColor(Qt::red));

  QTest::keyClick(map, Qt::Key_Up);
  EXPECT_EQ(window->Latitude(), -49) << "the arrow keys move it a degree";
}

TEST_F(TimeFramesTest, TheMoonGaugeShowsItsPhasePicture) {
  const std::pair<int, int> cases[] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}};
  for (const auto& [value, image] : cases) {
    Find<Gradomat>("MoonBar")->SetValue(value);
    EXPECT_EQ(window->Sun().moonImage, image);
    EXPECT_FLOAT_EQ(window->Sun().moonLight, (value - 1) * 0.25f);
    const QImage shown = Find<QLabel>("MoonBox")->pixmap().toImage();
    const QImage expected =
        QImage(QString(":/vendrel/moon%1.png").arg(image)).convertToFormat(shown.format());
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(shown, expected) << value;
  }
}

// A full moon is the brightest picture and a new moon the darkest.
TEST(MoonPicturesTest, GrowBrighterWithTheLitShare) {
  auto brightness = [](int image) {
    const QImage picture(QString(":/vendrel/moon%1.png").arg(image));
    EXPECT_EQ(picture.size(), QSize(64, 64));
    long long sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) sum += qGray(picture.pixel(x, y));
    }
    return sum;
  };
  // In order of the lit share: new (2), a quarter (3), half (4), three quarters (5), full (1).
  EXPECT_LT(brightness(2), brightness(3));
  EXPECT_LT(brightness(3), brightness(4));
  EXPECT_LT(brightness(4), brightness(5));
  EXPECT_LT(brightness(5), brightness(1));
}

TEST(RandomizeTimeTest, DrawsClockMoonLatitudeAndSeason) {
  vendrel::testing::TempFolder program;
  vendrel::testing::FixedClock clock;
  vendrel::testing::ScriptedRandom random({0.5, 0.5, 0.5, 0.5});
  MainWindow window({program.Path(), testing::kSpawnData, clock, random,
                     std::make_unique<testing::ScriptedDialogs>()});
  window.Form_Load();
  window.findChild<QPushButton*>("Command4")->click();
  EXPECT_EQ(window.findChild<QLineEdit*>("BigTimerBox")->text(), "12:00");
  EXPECT_EQ(window.findChild<Gradomat*>("MoonBar")->Value(), 3);
  EXPECT_EQ(window.Latitude(), 15) << "a press at 488 twips";
  EXPECT_EQ(window.findChild<QLineEdit*>("LatitudBox")->text(), "15" + kDegree);
  EXPECT_EQ(window.findChild<QComboBox*>("Combo2")->currentIndex(), 2);
  EXPECT_EQ(random.randaCalls, 1);
}

}  // namespace
}  // namespace vendrel::generator_ui
