#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>

#include "progress.h"
#include "window_fixture.h"

namespace vendrel::generator_ui {
namespace {

using ::testing::ElementsAre;
using testing::WindowFixture;

class MainWindowTest : public WindowFixture {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(MainWindowTest, StartsWithItsCaptionAndReady) {
  EXPECT_EQ(window->windowTitle(), "Vendrel 0.9.34");
  EXPECT_EQ(Text("StatusLabel"), "Ready...");
  EXPECT_TRUE(Find<ProgressPicture>("Progg")->Lines().empty());
  EXPECT_FALSE(Find<QWidget>("AbortButton")->isVisible());
  EXPECT_FALSE(Find<QWidget>("RoomManagerFrame")->isVisible());
  EXPECT_FALSE(window->ExitStatus());
}

struct GaugeCase {
  const char* name;
  int min, max, value;
  const char* label;
  Gradomat::BAR_TYPE_CONSTANTS barType;
  QColor bar, second;
};

TEST_F(MainWindowTest, EveryGaugeHasItsRangeStartValueLabelBarTypeAndColours) {
  const GaugeCase cases[] = {
      {"MapSizeBar",
       5,
       35,
       20,
       "20  rooms",
       Gradomat::TYPE_PositionBar,
       {192, 0, 192},
       {128, 255, 255}},
      {"DifficulcyBar", 1, 3, 2, "2", Gradomat::TYPE_Meterkin, {128, 0, 128}, {192, 192, 0}},
      {"EnemyBar", 0, 10, 5, "5", Gradomat::TYPE_Meterkin, {0, 255, 255}, {128, 0, 128}},
      {"AlienCombineBar",
       0,
       20,
       10,
       "10",
       Gradomat::TYPE_PositionBar,
       {255, 128, 128},
       {0, 0, 255}},
      {"WeaponAmmoBar", 0, 10, 5, "5 0 %", Gradomat::TYPE_Meterkin, {255, 255, 0}, {255, 128, 0}},
      {"NewWeaponsBar", 0, 10, 5, "5 0 %", Gradomat::TYPE_Meterkin, {255, 255, 0}, {255, 128, 0}},
      {"ClockBar", 0, 48, 24, "24", Gradomat::TYPE_Meterkin, {255, 0, 0}, {255, 255, 0}},
      {"MoonBar", 1, 5, 3, "3", Gradomat::TYPE_PositionBar, {255, 0, 0}, {255, 255, 0}},
  };
  for (const GaugeCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* gauge = Find<Gradomat>(c.name);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->Min(), c.min);
    EXPECT_EQ(gauge->Max(), c.max);
    EXPECT_EQ(gauge->Value(), c.value);
    EXPECT_EQ(gauge->BarType(), c.barType);
    EXPECT_EQ(gauge->ForeColor(), c.bar);
    EXPECT_EQ(gauge->SecondForeColor(), c.second);
    auto* label = gauge->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), c.label);
  }
}

TEST_F(MainWindowTest, EveryCheckBoxHasItsCaptionAndStartState) {
  const std::pair<const char*, bool> starts[] = {
      {"AAR", false},       {"SH", false},     {"FP", false},         {"Frame1/RunMapCheck", true},
      {"DetStatus", false}, {"LogFile", true}, {"RCUnhidden", false}, {"CustomSeed", false}};
  for (const auto& [name, ticked] : starts) {
    EXPECT_EQ(Find<QCheckBox>(name)->isChecked(), ticked) << name;
  }
  EXPECT_EQ(Text("AAR"), "Armed and Ready       (All Weapons)");
  EXPECT_EQ(Text("SH"), "Silent Halls              (No Mosters)");
  EXPECT_EQ(Text("FP"), "Flashlight Power!      (Skip Lights)");
  EXPECT_EQ(Text("Frame1/RunMapCheck"), "Start cindr and run map automaticly after compile");
  EXPECT_EQ(Text("DetStatus"), "Show More Detailed Status");
  EXPECT_EQ(Text("LogFile"), "Write Log File");
  EXPECT_EQ(Text("RCUnhidden"), "Advanced users only: Run compiler unhidden");
  EXPECT_EQ(Text("Frame3"), "Compile Options");
  EXPECT_EQ(Text("CustomSeedBox"), "0");
  EXPECT_FALSE(Find<QWidget>("CustomSeedBox")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>("CustomSeedBox")->maxLength(), 10);

  auto* combo1 = Find<QComboBox>("Combo1");
  ASSERT_EQ(combo1->count(), 1);
  EXPECT_EQ(combo1->itemText(0), "0 - Gene");
  EXPECT_EQ(combo1->currentIndex(), 0);
}

TEST_F(MainWindowTest, ButtonsShowTheirCaptions) {
  const std::pair<const char*, const char*> captions[] = {{"AbortButton", "ABORT!"},
                                                          {"Command2", "Set Randomized Options"},
                                                          {"Command4", "Randomize Time"},
                                                          {"Command5", "Change Account"},
                                                          {"Command6", "Launch Room Manager"},
                                                          {"Command7", "Test This Room"},
                                                          {"Command8", "Delete This Room"},
                                                          {"Command9", "Launch Vendrel SDK"},
                                                          {"Command10", "Close"},
                                                          {"Command11", "Refresh"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(Text(name), caption) << name;
}

// Screen readers find each control by the caption it shows, and the keyboard reaches it.
TEST_F(MainWindowTest, EveryControlIsNamedByItsCaptionAndTakesTheFocus) {
  for (auto* button : window->findChildren<QAbstractButton*>()) {
    EXPECT_EQ(button->accessibleName(), button->text()) << button->objectName().toStdString();
  }
  const auto controls = window->findChildren<QWidget*>();
  int checked = 0;
  for (QWidget* control : controls) {
    const bool interactive =
        qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
        qobject_cast<QLineEdit*>(control) || qobject_cast<QListWidget*>(control) ||
        qobject_cast<Gradomat*>(control) || dynamic_cast<WorldMap*>(control);
    if (!interactive || control->objectName().isEmpty()) continue;
    ++checked;
    EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << control->objectName().toStdString();
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  }
  EXPECT_GT(checked, 30);
}

TEST_F(MainWindowTest, AGaugeAnswersTheArrowKeys) {
  auto* enemies = Find<Gradomat>("EnemyBar");
  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(enemies, &right);
  EXPECT_EQ(enemies->Value(), 6);
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  QApplication::sendEvent(enemies, &end);
  QApplication::sendEvent(enemies, &right);
  EXPECT_EQ(enemies->Value(), 10);
}

TEST_F(MainWindowTest, ProggDrawsThePercentageOfItsLinesFromTheLeft) {
  auto* progg = Find<ProgressPicture>("Progg");
  EXPECT_EQ(progg->size(), QSize(673, 25));
  const std::pair<double, std::size_t> cases[] = {{0, 0}, {50, 336}, {100, 673}};
  for (const auto& [percent, lines] : cases) {
    progg->MrProg(percent);
    EXPECT_EQ(progg->Lines().size(), lines) << percent;
  }
  progg->MrProg(50);
  const QImage picture = progg->grab().toImage();
  EXPECT_EQ(picture.pixelColor(0, 12), QColor(0, 128, 128)) << "teal at the left";
  EXPECT_EQ(picture.pixelColor(335, 24), QColor(64, 128, 64)) << "the 336th line";
  EXPECT_NE(picture.pixelColor(336, 12), QColor(64, 128, 64)) << "nothing beyond it";
}

TEST_F(MainWindowTest, TheCheckBoxesSteerTheLogAndTheSeedBox) {
  Find<QCheckBox>("LogFile")->setChecked(false);
  EXPECT_FALSE(window->Log().LogEnabled());
  Find<QCheckBox>("DetStatus")->setChecked(true);
  EXPECT_TRUE(window->Log().DetailedStatus());
  Find<QCheckBox>("CustomSeed")->setChecked(true);
  EXPECT_TRUE(Find<QWidget>("CustomSeedBox")->isEnabled());
  Find<QCheckBox>("CustomSeed")->setChecked(false);
  EXPECT_FALSE(Find<QWidget>("CustomSeedBox")->isEnabled());
}

}  // namespace
}  // namespace vendrel::generator_ui
