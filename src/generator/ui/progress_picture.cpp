#include "progress_picture.h"

#include <QPainter>

#include "progress.h"

namespace vendrel::generator_ui {
namespace {

constexpr int kHeight = 25;

}  // namespace

ProgressPicture::ProgressPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Progg");
  setAccessibleName("Progress");
  setFixedSize(sizeHint());
}

void ProgressPicture::MrProg(double percent) {
  lines_ = MrProgColours(percent);
  update();
}

QSize ProgressPicture::sizeHint() const { return {kProgressLines, kHeight}; }

void ProgressPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  // Line x (from 1) takes pixel column x - 1, so the 673rd fits the 673-pixel bar.
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Rgb& c = lines_[i];
    painter.setPen(QColor(c.red, c.green, c.blue));
    const int x = static_cast<int>(i);
    painter.drawLine(x, 0, x, kHeight - 1);
  }
}

}  // namespace vendrel::generator_ui
