#include <vector>

#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

// A 0..100 gauge, 200 pixels wide, that records what it raises.
class GradomatMouse : public GaugeTest {
 protected:
  void SetUp() override {
    GaugeTest::SetUp();
    gauge.SetMax(100);
    QObject::connect(&gauge, &Gradomat::MouseClick, [this](float p) { positions.push_back(p); });
    QObject::connect(&gauge, &Gradomat::Change, [this] { ++changes; });
    QObject::connect(&gauge, &Gradomat::Click, [this] { ++clicks; });
  }

  std::vector<float> positions;
  int changes = 0;
  int clicks = 0;
};

TEST_F(GradomatMouse, PressAtTheRightEdgeGivesMax) {
  Mouse(gauge, QEvent::MouseButtonPress, 200, Qt::LeftButton);
  EXPECT_EQ(positions, std::vector<float>{1.0f});
  EXPECT_EQ(gauge.Value(), 100);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Shown(), 10) << "the bar glides there";
}

TEST_F(GradomatMouse, PressReportsTheFractionCutToTwoDecimals) {
  Mouse(gauge, QEvent::MouseButtonPress, 58, Qt::LeftButton);
  Mouse(gauge, QEvent::MouseButtonPress, 1, Qt::RightButton);
  Mouse(gauge, QEvent::MouseButtonPress, 0, Qt::MiddleButton);
  EXPECT_EQ(positions, (std::vector<float>{0.29f, 0.0f, 0.0f}));
  EXPECT_EQ(gauge.Value(), 0);
  EXPECT_EQ(changes, 3);
}

TEST_F(GradomatMouse, DraggingPastTheEdgesClampsWithoutABeep) {
  gauge.SetMin(20);
  Mouse(gauge, QEvent::MouseButtonPress, 100, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 60);
  Mouse(gauge, QEvent::MouseMove, 300, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 100);
  Mouse(gauge, QEvent::MouseMove, -50, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 20);
  EXPECT_EQ(positions, (std::vector<float>{0.5f, 1.5f, -0.25f}));
  Mouse(gauge, QEvent::MouseButtonRelease, -50, Qt::LeftButton);
  Mouse(gauge, QEvent::MouseMove, 150, Qt::NoButton);
  EXPECT_EQ(gauge.Value(), 20) << "a move after the release is no drag";
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(clicks, 0) << "released outside the gauge";
}

TEST_F(GradomatMouse, OnlyTheLeftButtonDragsAndClicks) {
  Mouse(gauge, QEvent::MouseButtonPress, 40, Qt::RightButton);
  Mouse(gauge, QEvent::MouseMove, 120, Qt::RightButton);
  Mouse(gauge, QEvent::MouseButtonRelease, 120, Qt::RightButton);
  EXPECT_EQ(gauge.Value(), 20);
  EXPECT_EQ(clicks, 0);

  Mouse(gauge, QEvent::MouseButtonPress, 40, Qt::LeftButton);
  Mouse(gauge, QEvent::MouseButtonRelease, 40, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GradomatMouse, TheLabelTakesLeftPressesAndDragsOnly) {
  gauge.SetShowLabel(true);
  Mouse(Label(), QEvent::MouseButtonPress, 100, Qt::RightButton);
  EXPECT_EQ(changes, 0);
  Mouse(Label(), QEvent::MouseButtonPress, 100, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 50);
  Mouse(Label(), QEvent::MouseMove, 150, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 75);
  Mouse(Label(), QEvent::MouseButtonRelease, 150, Qt::LeftButton);
  Mouse(Label(), QEvent::MouseMove, 20, Qt::NoButton);
  EXPECT_EQ(gauge.Value(), 75);
  EXPECT_EQ(clicks, 0);
}

TEST_F(GradomatMouse, AGaugeWithoutRoomIgnoresPresses) {
  gauge.SetMax(0);
  Mouse(gauge, QEvent::MouseButtonPress, 120, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 0);

  gauge.SetMax(100);
  gauge.resize(0, 20);
  Mouse(gauge, QEvent::MouseButtonPress, 0, Qt::LeftButton);
  EXPECT_EQ(gauge.Value(), 0);
  EXPECT_EQ(positions.size(), 1u) << "the empty range still reports, the empty width not";
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace vendrel::testing
