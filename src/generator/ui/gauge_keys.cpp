#include "gauge_keys.h"

#include <QKeyEvent>
#include <algorithm>

namespace vendrel::generator_ui {

GaugeKeys::GaugeKeys(Gradomat& gauge) : QObject(&gauge), gauge_(gauge) {
  gauge.setFocusPolicy(Qt::StrongFocus);
  gauge.installEventFilter(this);
}

bool GaugeKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &gauge_ || event->type() != QEvent::KeyPress) return false;
  const int page = std::max(1, (gauge_.Max() - gauge_.Min()) / 10);
  int value = gauge_.Value();
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      --value;
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      ++value;
      break;
    case Qt::Key_PageDown:
      value -= page;
      break;
    case Qt::Key_PageUp:
      value += page;
      break;
    case Qt::Key_Home:
      value = gauge_.Min();
      break;
    case Qt::Key_End:
      value = gauge_.Max();
      break;
    default:
      return false;
  }
  // Clamped here, as a press is: a key at the end of the range does not beep.
  gauge_.SetValue(std::clamp(value, gauge_.Min(), gauge_.Max()));
  return true;
}

}  // namespace vendrel::generator_ui
