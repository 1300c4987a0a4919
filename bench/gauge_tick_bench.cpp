// How long one animation tick of a gauge takes (step, redraw of the surface, label), for
// a few widths and both bar types. The timer asks for a tick every millisecond.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "gradomat.h"

namespace {

double MicrosecondsPerTick(int width, vendrel::Gradomat::BAR_TYPE_CONSTANTS barType) {
  vendrel::Gradomat gauge;
  gauge.SetBeeper({});
  gauge.resize(width, 24);
  gauge.SetShowLabel(true);
  gauge.SetBarType(barType);
  gauge.SetMax(32767);
  const QTimer* timer = gauge.findChild<QTimer*>(QStringLiteral("Timer1"));
  constexpr int kTicks = 20000;
  int target = 0;
  const auto start = std::chrono::steady_clock::now();
  // Back and forth over the whole range; a setter runs the first tick of each glide.
  for (int tick = 0; tick < kTicks; ++tick) {
    if (timer->isActive()) {
      gauge.DrawValue();
    } else {
      target = 32767 - target;
      gauge.SetValue(target);
    }
  }
  const std::chrono::duration<double, std::micro> elapsed =
      std::chrono::steady_clock::now() - start;
  return elapsed.count() / kTicks;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::printf("%8s %14s %14s\n", "width", "bar us/tick", "marker us/tick");
  for (int width : {100, 200, 400, 1000, 2000}) {
    std::printf("%8d %14.1f %14.1f\n", width,
                MicrosecondsPerTick(width, vendrel::Gradomat::TYPE_Meterkin),
                MicrosecondsPerTick(width, vendrel::Gradomat::TYPE_PositionBar));
  }
  return 0;
}
