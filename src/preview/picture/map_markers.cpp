#include "map_markers.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "level_layout.h"
#include "picture_palette.h"

namespace vendrel::preview {
namespace {

constexpr double kMarker = 7;
constexpr double kRowHeight = 22;

}  // namespace

std::optional<MarkerKind> LevelMarkerOf(const MapEntity& entity) {
  const std::string& c = entity.className;
  if (c == "info_player_start") return MarkerKind::PlayerStart;
  if (c.starts_with("weapon_")) return MarkerKind::Weapon;
  if (c.starts_with("item_")) return MarkerKind::AmmoOrItem;
  if (c.starts_with("npc_")) return MarkerKind::Monster;
  if (EndsLevel(entity)) return MarkerKind::LevelEnd;
  return std::nullopt;
}

std::optional<MarkerKind> RoomMarkerOf(const MapEntity& entity) {
  const std::string& c = entity.className;
  if (c == "quilla_weapon") return MarkerKind::Weapon;
  if (c == "quilla_item") return MarkerKind::AmmoOrItem;
  if (c == "quilla_npc") return MarkerKind::Monster;
  if (c == "quilla_spawn" || c == "quilla_spawn_contoller" || c == "func_quilla_spawngroup") return MarkerKind::SpawnPoint;
  if (c == "quilla_info") return MarkerKind::RoomInfo;
  return LevelMarkerOf(entity);
}

void DrawMarker(QPainter& painter, MarkerKind kind, QPointF at) {
  painter.save();
  QPen pen(kOutline);
  pen.setWidthF(1.5);
  painter.setPen(pen);
  const double r = kMarker;
  switch (kind) {
    case MarkerKind::PlayerStart:
      painter.setBrush(QColor(60, 220, 90));
      painter.drawEllipse(at, r * 1.5, r * 1.5);
      painter.setBrush(Qt::white);
      painter.drawEllipse(at, r * 0.5, r * 0.5);
      break;
    case MarkerKind::Weapon:
      painter.setBrush(QColor(80, 160, 255));
      painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r * 0.8), at + QPointF(-r, r * 0.8)}));
      break;
    case MarkerKind::AmmoOrItem:
      painter.setBrush(QColor(250, 210, 60));
      painter.drawRect(QRectF(at - QPointF(r * 0.7, r * 0.7), QSizeF(r * 1.4, r * 1.4)));
      break;
    case MarkerKind::Monster:
      painter.setBrush(QColor(235, 60, 60));
      painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
      break;
    case MarkerKind::LevelEnd: {
      painter.setBrush(Qt::white);
      const QRectF box(at - QPointF(r * 1.4, r * 1.4), QSizeF(r * 2.8, r * 2.8));
      painter.drawRect(box);
      painter.setBrush(kOutline);
      const double half = r * 1.4;
      painter.drawRect(QRectF(box.topLeft(), QSizeF(half, half)));
      painter.drawRect(QRectF(box.center(), QSizeF(half, half)));
      break;
    }
    case MarkerKind::SpawnPoint:
      painter.setBrush(QColor(255, 140, 40));
      painter.drawEllipse(at, r * 0.8, r * 0.8);
      painter.drawLine(at - QPointF(r * 1.3, 0), at + QPointF(r * 1.3, 0));
      painter.drawLine(at - QPointF(0, r * 1.3), at + QPointF(0, r * 1.3));
      break;
    case MarkerKind::RoomInfo:
      painter.setBrush(QColor(200, 120, 255));
      painter.drawEllipse(at, r, r);
      painter.setPen(Qt::white);
      painter.drawText(QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)), Qt::AlignCenter, QStringLiteral("i"));
      break;
  }
  painter.restore();
}

QColor DepthColour(double depth) {
  const double d = std::clamp(depth, 0.0, 1.0);
  // Teal at the start through blue to violet at the end: apart from every marker colour.
  return QColor::fromHsvF(static_cast<float>((175 + 115 * d) / 360), 0.45f, 0.80f);
}

int LegendHeight(std::size_t rows, int rowsPerColumn) {
  const std::size_t lines = std::min<std::size_t>(rows, static_cast<std::size_t>(rowsPerColumn));
  return static_cast<int>(static_cast<double>(lines) * kRowHeight) + 8;
}

void DrawLegend(QPainter& painter, const QRectF& area, const std::vector<LegendRow>& rows, int rowsPerColumn) {
  const int columns = (static_cast<int>(rows.size()) + rowsPerColumn - 1) / rowsPerColumn;
  const double columnWidth = columns > 0 ? area.width() / columns : area.width();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const LegendRow& row = rows[i];
    const double x = area.left() + static_cast<double>(static_cast<int>(i) / rowsPerColumn) * columnWidth;
    const double y = area.top() + (static_cast<double>(static_cast<int>(i) % rowsPerColumn) + 0.5) * kRowHeight;
    const QPointF sample(x + 14, y);
    painter.save();
    switch (row.sample) {
      case LegendRow::Sample::Marker:
        DrawMarker(painter, row.marker, sample);
        break;
      case LegendRow::Sample::Line:
      case LegendRow::Sample::Arrow: {
        const bool arrow = row.sample == LegendRow::Sample::Arrow;
        QPen pen(row.colour);
        pen.setWidthF(arrow ? 3 : 4);
        painter.setPen(pen);
        painter.drawLine(sample - QPointF(12, 0), sample + QPointF(arrow ? 10 : 12, 0));
        if (!arrow) break;
        painter.setBrush(row.colour);
        painter.drawPolygon(QPolygonF({sample + QPointF(12, 0), sample + QPointF(4, -5), sample + QPointF(4, 5)}));
        break;
      }
      case LegendRow::Sample::DepthRamp:
        for (int s = 0; s < 24; ++s) {
          painter.fillRect(QRectF(sample.x() - 12 + s, y - 7, 1.2, 14), DepthColour(s / 23.0));
        }
        break;
    }
    painter.restore();
    painter.setPen(kInk);
    painter.drawText(QPointF(x + 34, y + 5), row.caption);
  }
}

}  // namespace vendrel::preview
