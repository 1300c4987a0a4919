#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

#include "gradomat.h"

namespace vendrel {
namespace {

// The step of one tick: a tenth of the remaining distance, at least 1 and at most a tenth
// of the range; nullopt when it is too small to show and the bar should snap to the value.
std::optional<int> AnimationStep(int shown, int value, int max, int min) {
  const double range = static_cast<double>(max) - min;
  double step = (static_cast<double>(value) - shown) / 10.0;
  if (step >= 0) {
    step = std::min(step, range / 10);
    if (step < range / 1000) return std::nullopt;
    step = std::max(step, 1.0);
  } else {
    if (-step > range / 10) step = -range / 10;
    if (step > -range / 1000) return std::nullopt;
    step = std::min(step, -1.0);
  }
  return static_cast<int>(std::nearbyint(step));  // halves to even
}

}  // namespace

void Gradomat::DrawValue() {
  if (max_ == min_) {
    timer_->stop();
    return;
  }
  if (shown_ != value_) {
    const std::optional<int> step = AnimationStep(shown_, value_, max_, min_);
    shown_ = step ? static_cast<qint16>(shown_ + *step) : value_;
  }
  if (shown_ == value_) {
    timer_->stop();
  } else if (!timer_->isActive()) {
    timer_->start();
  }
  PaintValue();
  const QString number = QString::number(shown_);
  label_->setText(labelAdd_.isEmpty() ? number : number + QLatin1Char(' ') + labelAdd_);
}

}  // namespace vendrel
