#include "world_map.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vendrel::generator_ui {
namespace {

constexpr int kNorth = 90;
constexpr int kSouth = -50;

}  // namespace

double TwipsFromLatitude(int latitude) {
  return (1 - static_cast<double>(latitude - kSouth) / (kNorth - kSouth)) * WorldMap::kHeightTwips;
}

WorldMap::WorldMap(QWidget* parent) : QWidget(parent), map_(":/vendrel/world_map.png") {
  setObjectName("Picture1");
  setAccessibleName("Latitude:");
  setFocusPolicy(Qt::StrongFocus);
  // Four pixels a map pixel of the first picture box, so the map keeps its proportions.
  setFixedSize(sizeHint());
}

QSize WorldMap::sizeHint() const { return {480, 244}; }

double WorldMap::TwipsFromRow(int row) const {
  const int last = std::max(1, height() - 1);
  return std::clamp(row, 0, last) * kHeightTwips / last;
}

int WorldMap::RowFromTwips(double twips) const {
  const int last = std::max(1, height() - 1);
  return static_cast<int>(std::lround(twips / kHeightTwips * last));
}

void WorldMap::DrawLatitudeLine(double yTwips) {
  lineTwips_ = yTwips;
  update();
}

void WorldMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), map_);
  painter.setPen(QPen(Qt::red, 1));
  const int row = RowFromTwips(lineTwips_);
  painter.drawLine(0, row, width(), row);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void WorldMap::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(TwipsFromRow(static_cast<int>(event->position().y())));
}

void WorldMap::keyPressEvent(QKeyEvent* event) {
  const double step = kHeightTwips / (kNorth - kSouth);
  double twips = lineTwips_;
  switch (event->key()) {
    case Qt::Key_Up:
      twips -= step;
      break;
    case Qt::Key_Down:
      twips += step;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  if (onPress) onPress(std::clamp(twips, 0.0, kHeightTwips));
}

}  // namespace vendrel::generator_ui
