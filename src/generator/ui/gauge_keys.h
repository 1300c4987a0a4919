#pragma once

#include <QObject>

#include "gradomat.h"

namespace vendrel::generator_ui {

// Gives a gauge the keyboard: it takes the focus, the arrow keys step its value by one,
// Page Up and Down by a tenth of its range, Home and End go to its ends; each step
// raises its Change as a click would.
class GaugeKeys final : public QObject {
 public:
  explicit GaugeKeys(Gradomat& gauge);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Gradomat& gauge_;
};

}  // namespace vendrel::generator_ui
