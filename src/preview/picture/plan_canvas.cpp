#include "plan_canvas.h"

#include <QFont>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture_palette.h"

namespace vendrel::preview {
namespace {

constexpr double kMaxPlanWidth = 1400;
constexpr double kMaxPlanHeight = 1000;
constexpr double kMinPictureWidth = 720;
constexpr double kMaxScale = 0.6;
constexpr double kMargin = 36;
constexpr int kTitleHeight = 28;


std::vector<QPointF> ConvexOutline(std::vector<QPointF> points) {
  std::sort(points.begin(), points.end(),
            [](const QPointF& a, const QPointF& b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
  if (points.size() < 3) return points;
  const auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
  };
  std::vector<QPointF> hull(2 * points.size());
  std::size_t k = 0;
  for (const QPointF& p : points) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
    hull[k++] = p;
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

double RoundLength(double wanted) {
  const double power = std::pow(10.0, std::floor(std::log10(wanted)));
  for (double step : {1.0, 2.0, 5.0}) {
    if (step * power * 1.5 >= wanted) return step * power;
  }
  return 10 * power;
}

}  // namespace

PlanCanvas::PlanCanvas(Vec3 low, Vec3 high, int legendHeight) : low_(low), high_(high) {
  const double width = std::max(high.x - low.x, 1.0);
  const double depth = std::max(high.y - low.y, 1.0);
  scale_ = std::min({kMaxPlanWidth / width, kMaxPlanHeight / depth, kMaxScale});
  const double planWidth = width * scale_;
  const double planHeight = depth * scale_;
  const double pictureWidth = std::max(planWidth + 2 * kMargin, kMinPictureWidth);
  planArea_ = QRectF((pictureWidth - planWidth) / 2, kTitleHeight + kMargin, planWidth, planHeight);
  legendArea_ = QRectF(kMargin, planArea_.bottom() + kMargin, pictureWidth - 2 * kMargin, legendHeight);
  image_ = QImage(static_cast<int>(std::ceil(pictureWidth)), static_cast<int>(std::ceil(legendArea_.bottom() + kMargin / 2)),
                  QImage::Format_RGB32);
  image_.fill(kBackground);
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing);
  QFont font = painter_->font();
  font.setPixelSize(13);
  painter_->setFont(font);
}

QPointF PlanCanvas::ToPixel(Vec3 point) const {
  // North (+y) is up.
  return {planArea_.left() + (point.x - low_.x) * scale_, planArea_.bottom() - (point.y - low_.y) * scale_};
}

void PlanCanvas::FillFootprint(const BrushHull& hull, const QColor& fill, const QColor& edge) {
  std::vector<QPointF> corners;
  for (const auto& face : hull.faces) {
    for (const Vec3& corner : face) corners.push_back(ToPixel(corner));
  }
  const std::vector<QPointF> outline = ConvexOutline(std::move(corners));
  if (outline.empty()) return;
  QPen pen(edge);
  pen.setWidthF(1);
  pen.setCosmetic(true);
  painter_->setPen(pen);
  painter_->setBrush(fill);
  painter_->drawPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
}

void PlanCanvas::DrawScaleBar() {
  const double units = RoundLength(planArea_.width() / scale_ / 5);
  const double length = units * scale_;
  const QPointF start(planArea_.left(), planArea_.bottom() + 18);
  QPen pen(kInk);
  pen.setWidthF(2);
  painter_->setPen(pen);
  painter_->drawLine(start, start + QPointF(length, 0));
  painter_->drawLine(start + QPointF(0, -5), start + QPointF(0, 5));
  painter_->drawLine(start + QPointF(length, -5), start + QPointF(length, 5));
  painter_->drawText(QPointF(start.x() + length + 8, start.y() + 5),
                     QString::number(units, 'g', 6) + QStringLiteral(" map units"));
}

void PlanCanvas::DrawCornerText(const QString& text) {
  painter_->setPen(kInk);
  painter_->drawText(QRectF(kMargin / 2, 4, image_.width() - kMargin, kTitleHeight), Qt::AlignRight | Qt::AlignVCenter, text);
}

void PlanCanvas::DrawTitle(const QString& text) {
  painter_->setPen(kInk);
  QFont font = painter_->font();
  font.setBold(true);
  painter_->save();
  painter_->setFont(font);
  painter_->drawText(QRectF(kMargin / 2, 4, image_.width() - kMargin, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
  painter_->restore();
}

QImage PlanCanvas::Finish() {
  painter_.reset();
  return image_;
}

}  // namespace vendrel::preview
