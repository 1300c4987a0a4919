#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "gradomat.h"

namespace vendrel {

void Gradomat::PressAt(double x) {
  const int w = width();
  if (w <= 0) return;
  // x * 100 / w rather than x / w * 100: a press at 58 of 200 reports 0.29, not 0.28.
  emit MouseClick(static_cast<float>(std::trunc(x * 100 / w) / 100));
  const double span = static_cast<double>(max_) - min_;
  double target = min_ + std::nearbyint(span * (x / w));
  if (target > max_) target = max_;
  if (target < min_) target = min_;
  value_ = static_cast<qint16>(target);
  emit PropertyChanged(QStringLiteral("Value"));
  emit Change();
  DrawValue();
}

void Gradomat::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = true;
  PressAt(event->position().x());
}

void Gradomat::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) PressAt(event->position().x());
}

void Gradomat::mouseReleaseEvent(QMouseEvent* event) {
  const bool clicked = dragging_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
  dragging_ = false;
  if (clicked) emit Click();
}

bool Gradomat::LabelMouseEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        dragging_ = true;
        PressAt(label_->x() + mouse->position().x());
      }
      return true;
    }
    case QEvent::MouseMove:
      if (dragging_) PressAt(label_->x() + static_cast<QMouseEvent*>(event)->position().x());
      return true;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

bool Gradomat::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label_ && LabelMouseEvent(event)) return true;
  return QWidget::eventFilter(watched, event);
}

}  // namespace vendrel
