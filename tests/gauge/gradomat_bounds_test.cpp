#include <QStringList>

#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

using vendrel::testing::PrintTo;  // found by the cases' own lookup

enum class Setter { Value, Max, Min };

struct BoundCase {
  const char* name;
  int max, min, value;  // where the gauge stands first
  Setter setter;
  int input;
  int expectedMax, expectedMin, expectedValue;
  int expectedBeeps;
};

class GradomatBounds : public GaugeTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(GradomatBounds, SettersClampWithABeep) {
  const BoundCase& bound = GetParam();
  gauge.SetMax(bound.max);
  gauge.SetMin(bound.min);
  Settle(bound.value);
  beeps = 0;

  switch (bound.setter) {
    case Setter::Value: gauge.SetValue(bound.input); break;
    case Setter::Max: gauge.SetMax(bound.input); break;
    case Setter::Min: gauge.SetMin(bound.input); break;
  }
  EXPECT_EQ(gauge.Max(), bound.expectedMax);
  EXPECT_EQ(gauge.Min(), bound.expectedMin);
  EXPECT_EQ(gauge.Value(), bound.expectedValue);
  EXPECT_EQ(beeps, bound.expectedBeeps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GradomatBounds,
    ::testing::Values(
        BoundCase{"ValueInside", 100, 10, 50, Setter::Value, 70, 100, 10, 70, 0},
        BoundCase{"ValueAboveMax", 100, 10, 50, Setter::Value, 150, 100, 10, 100, 1},
        BoundCase{"ValueBelowMin", 100, 10, 50, Setter::Value, 3, 100, 10, 10, 1},
        BoundCase{"ValueBeyond16Bits", 100, 10, 50, Setter::Value, 70000, 100, 10, 100, 1},
        BoundCase{"MaxBelowMinTakesMinPlusOne", 100, 10, 50, Setter::Max, 4, 11, 10, 11, 1},
        BoundCase{"MaxEqualToMin", 100, 10, 50, Setter::Max, 10, 10, 10, 10, 0},
        BoundCase{"MinNegativeTakesZero", 100, 10, 50, Setter::Min, -5, 100, 0, 50, 1},
        BoundCase{"MinAboveMaxTakesMaxMinusOne", 100, 10, 50, Setter::Min, 150, 100, 99, 99, 1},
        // Max - 1 would be -1, and Min is never below 0.
        BoundCase{"MinAboveAMaxOfZeroTakesZero", 0, 0, 0, Setter::Min, 5, 0, 0, 0, 1}),
    CaseName());

// Min cannot be refused: the setter keeps it within 0 to Max, so Max - Min fits.
struct RefusalCase {
  const char* name;
  QVariantMap saved;  // the range the gauge was loaded with
  int newMax;
  const char* reason;
};

class GradomatRangeRefusal : public GaugeTest,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(GradomatRangeRefusal, LeavesEverythingAsItWasAndSaysWhy) {
  const RefusalCase& refusal = GetParam();
  ASSERT_TRUE(gauge.ReadProperties(refusal.saved).isEmpty());
  Animate();
  const int max = gauge.Max(), min = gauge.Min(), value = gauge.Value();
  QStringList refused, changed;
  QObject::connect(&gauge, &Gradomat::RangeRefused, [&](const QString& m) { refused << m; });
  QObject::connect(&gauge, &Gradomat::PropertyChanged, [&](const QString& n) { changed << n; });

  gauge.SetMax(refusal.newMax);
  ASSERT_EQ(refused.size(), 1);
  EXPECT_TRUE(refused[0].contains(QLatin1String(refusal.reason))) << refused[0].toStdString();
  EXPECT_TRUE(refused[0].endsWith(QStringLiteral("Max stays %1.").arg(max)))
      << refused[0].toStdString();
  EXPECT_TRUE(changed.isEmpty());
  EXPECT_EQ(gauge.Max(), max);
  EXPECT_EQ(gauge.Min(), min);
  EXPECT_EQ(gauge.Value(), value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GradomatRangeRefusal,
    ::testing::Values(
        RefusalCase{"MaxBeyond16Bits", {}, 40000,
                    "Max 40000 is beyond the 16-bit range of a gauge (-32768 to 32767)"},
        // Below a Min of 32767, Max would become Min + 1 = 32768.
        RefusalCase{"MinPlusOneBeyond16Bits", {{"Min", 32767}}, 100,
                    "Max 32768 is beyond the 16-bit range"},
        RefusalCase{"MaxMinusMinBeyond16Bits", {{"Max", 100}, {"Min", -1}}, 32767,
                    "Max 32767 with Min -1 makes Max - Min = 32768, beyond the 16-bit range"}),
    CaseName());

TEST_F(GaugeTest, SettersMarkTheirStoredNamesAndValueRaisesChange) {
  QStringList changed;
  int changes = 0;
  QObject::connect(&gauge, &Gradomat::PropertyChanged, [&](const QString& n) { changed << n; });
  QObject::connect(&gauge, &Gradomat::Change, [&] { ++changes; });

  gauge.SetSecondForeColor(Qt::green);
  gauge.SetMax(50);
  gauge.SetValue(80);
  QFont font = gauge.font();
  font.setPointSize(font.pointSize() + 3);
  gauge.setFont(font);

  EXPECT_EQ(changed, (QStringList{"SecForeColor", "Max", "Value", "Font"}));
  EXPECT_EQ(changes, 1) << "a new range moves the value without a Change";
}

}  // namespace
}  // namespace vendrel::testing
