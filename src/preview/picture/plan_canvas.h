#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

#include "brush_hull.h"
#include "vec3.h"

namespace vendrel::preview {

// A top-down drawing of map space above a band for the legend. The scale fits the plan
// into the picture whatever the map's size, but never grows a small map beyond
// `maxScale` pixels a unit, so a single room does not turn into a blur of huge walls.
class PlanCanvas {
 public:
  PlanCanvas(Vec3 low, Vec3 high, int legendHeight);

  QPainter& Painter() { return *painter_; }
  QPointF ToPixel(Vec3 point) const;
  double PixelsPerUnit() const { return scale_; }
  QRectF LegendArea() const { return legendArea_; }

  // The brush seen from above: the outline of its corners.
  void FillFootprint(const BrushHull& hull, const QColor& fill, const QColor& edge);
  // A bar of a round length in map units, at the plan's lower left.
  void DrawScaleBar();
  // Small text in the plan's upper left, such as the seed.
  void DrawCornerText(const QString& text);
  void DrawTitle(const QString& text);

  QImage Finish();

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  Vec3 low_, high_;
  double scale_ = 1;
  QPointF origin_;
  QRectF planArea_, legendArea_;
};

}  // namespace vendrel::preview
