#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "gradomat.h"

namespace vendrel::testing {

// Names a parameterised case after its `name` field.
struct CaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const {
    return testCase.param.name;
  }
};

// Prints a parameterised case by its name.
template <class Case>
  requires requires(const Case& testCase) { std::string_view(testCase.name); }
void PrintTo(const Case& testCase, std::ostream* out) {
  *out << testCase.name;
}

// A shown 200 x 20 gauge whose beeps are counted and whose timer is driven by hand.
class GaugeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gauge.SetBeeper([this] { ++beeps; });
    gauge.resize(200, 20);
    gauge.show();
  }

  QTimer& Timer() { return *gauge.findChild<QTimer*>(QStringLiteral("Timer1")); }
  QLabel& Label() { return *gauge.findChild<QLabel*>(QStringLiteral("LabelText")); }
  int Shown() { return Label().text().section(QLatin1Char(' '), 0, 0).toInt(); }

  // Runs the timer's ticks until the bar stands, and returns every value it showed,
  // the one drawn at once by the setter first.
  std::vector<int> Animate() {
    std::vector<int> shown{Shown()};
    for (int tick = 0; Timer().isActive() && tick < 100000; ++tick) {
      gauge.DrawValue();
      shown.push_back(Shown());
    }
    return shown;
  }

  // Sets the value and lets the bar arrive there.
  void Settle(int value) {
    gauge.SetValue(value);
    Animate();
  }

  QImage Render() {
    QImage image(gauge.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    gauge.render(&image);
    return image;
  }

  void Mouse(QWidget& target, QEvent::Type type, double x, Qt::MouseButton button) {
    const QPointF position(x, 5);
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, position, target.mapToGlobal(position), changed, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
  }

  Gradomat gauge;
  int beeps = 0;
};

}  // namespace vendrel::testing
