#pragma once

#include <QWidget>
#include <vector>

#include "rgb.h"

namespace vendrel::generator_ui {

// `Progg`: the progress bar, 673 one-pixel lines fading from teal to olive, of which a
// percentage is drawn from the left.
class ProgressPicture final : public QWidget {
 public:
  explicit ProgressPicture(QWidget* parent = nullptr);

  void MrProg(double percent);
  // The lines drawn now, left to right.
  const std::vector<Rgb>& Lines() const { return lines_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Rgb> lines_;
};

}  // namespace vendrel::generator_ui
