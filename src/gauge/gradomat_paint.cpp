#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "gradomat.h"

namespace vendrel {
namespace {

int RoundedChannel(int from, int to, double t) {
  return static_cast<int>(std::nearbyint(from + (to - from) * t));
}

}  // namespace

QColor Gradomat::GradientColour(int column, int width) const {
  const double t = static_cast<double>(column) / width;
  return QColor(RoundedChannel(foreColor_.red(), secondForeColor_.red(), t),
                RoundedChannel(foreColor_.green(), secondForeColor_.green(), t),
                RoundedChannel(foreColor_.blue(), secondForeColor_.blue(), t));
}

void Gradomat::FillColumn(QPainter& painter, int column, int width) {
  painter.fillRect(QRectF(column, 0, 1, height()), GradientColour(column, width));
}

void Gradomat::PaintValue() {
  // The surface keeps its drawing between paints: with Max equal to Min, DrawValue does
  // not come here and the last drawing stays.
  const qreal pixelRatio = devicePixelRatioF();
  const QSize pixels(qCeil(width() * pixelRatio), qCeil(height() * pixelRatio));
  if (surface_.size() != pixels) {
    surface_ = QImage(pixels, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(pixelRatio);
  }
  surface_.fill(backColor_);
  update();

  const int w = width();
  if (max_ == min_ || w <= 0) return;  // no bar has a place in an empty range
  const double span = static_cast<double>(max_) - min_;
  const double fraction = (static_cast<double>(shown_) - min_) / span;
  QPainter painter(&surface_);
  if (barType_ == TYPE_Meterkin) {
    // Below -1 or above 1 the bar looks the same; the clamp keeps the product an int.
    const int last = static_cast<int>(std::trunc(w * std::clamp(fraction, -1.0, 1.0)));
    for (int x = 0; x <= last; ++x) FillColumn(painter, x, w);
  } else if (barType_ == TYPE_PositionBar) {
    const int half = std::max(static_cast<int>(std::nearbyint(w / span)), 1);
    // Beyond these bounds the marker looks the same; the clamp keeps the product an int.
    const double centre = std::clamp(w * fraction, -(half + 1.0), w + half + 1.0);
    const int c = static_cast<int>(std::nearbyint(centre));
    for (int x = c - half; x <= c + half; ++x) {
      const int column = std::max(x, 0);
      if (column > w) break;
      FillColumn(painter, column, w);
    }
  }
}

void Gradomat::DrawLine(int x1, int y1, int x2, int y2, const QColor& colour) {
  QPainter painter(&surface_);
  painter.setPen(colour);
  painter.drawLine(x1, y1, x2, y2);
  update();
}

void Gradomat::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), backColor_);
  painter.drawImage(0, 0, surface_);
}

}  // namespace vendrel
