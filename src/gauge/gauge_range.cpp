#include "gauge_range.h"

#include <limits>

namespace vendrel {
namespace {

constexpr qint64 kLowest = std::numeric_limits<qint16>::min();
constexpr qint64 kHighest = std::numeric_limits<qint16>::max();

QString BeyondRange() {
  return QStringLiteral("beyond the 16-bit range of a gauge (%1 to %2)").arg(kLowest).arg(kHighest);
}

}  // namespace

bool FitsGauge(qint64 number) { return number >= kLowest && number <= kHighest; }

QString GaugeRangeProblem(qint64 max, qint64 min) {
  if (!FitsGauge(max)) return QStringLiteral("Max %1 is %2").arg(max).arg(BeyondRange());
  if (!FitsGauge(min)) return QStringLiteral("Min %1 is %2").arg(min).arg(BeyondRange());
  if (!FitsGauge(max - min)) {
    return QStringLiteral("Max %1 with Min %2 makes Max - Min = %3, %4")
        .arg(max)
        .arg(min)
        .arg(max - min)
        .arg(BeyondRange());
  }
  return {};
}

}  // namespace vendrel
