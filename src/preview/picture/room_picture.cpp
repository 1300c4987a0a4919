#include "room_picture.h"

#include <QPolygonF>
#include <array>
#include <numeric>

#include "floor_plan.h"
#include "map_markers.h"
#include "picture_palette.h"
#include "plan_canvas.h"

namespace vendrel::preview {
namespace {

constexpr int kLegendRowsPerColumn = 4;
constexpr double kArrowLength = 42;
const QColor kFloor(150, 175, 190);
constexpr const char* kDirectionNames[] = {"north", "east", "south", "west"};

QPointF Outward(int direction) {
  switch (direction) {
    case 0: return {0, -1};  // north is up on the plan
    case 1: return {1, 0};
    case 2: return {0, 1};
    case 3: return {-1, 0};
    default: return {0, 0};
  }
}

void DrawConnector(PlanCanvas& canvas, const ConnectorMark& connector) {
  QPainter& painter = canvas.Painter();
  const QPointF base = canvas.ToPixel(connector.origin);
  const QPointF out = Outward(connector.direction);
  painter.save();
  QPen pen(kPassage);
  // The arrow's width grows with the connector size, so sizes tell apart at a glance.
  pen.setWidthF(2 + 2 * std::clamp(connector.size, 0, 3));
  painter.setPen(pen);
  const QPointF tip = base + out * kArrowLength;
  painter.drawLine(base, tip - out * 8);
  painter.setBrush(kPassage);
  painter.setPen(Qt::NoPen);
  const QPointF side(-out.y(), out.x());
  painter.drawPolygon(QPolygonF({tip, tip - out * 14 + side * 9, tip - out * 14 - side * 9}));
  painter.setPen(kPassage);
  const QString label = (connector.direction >= 0 && connector.direction < 4
                             ? QString::fromLatin1(kDirectionNames[connector.direction])
                             : QStringLiteral("direction ") + QString::number(connector.direction)) +
                        QStringLiteral(", size ") + QString::number(connector.size);
  // Beside the tip, on the side away from the room.
  const QRectF box = out.x() > 0    ? QRectF(tip.x() + 6, tip.y() - 10, 160, 20)
                     : out.x() < 0  ? QRectF(tip.x() - 166, tip.y() - 10, 160, 20)
                     : out.y() < 0  ? QRectF(tip.x() - 80, tip.y() - 26, 160, 20)
                                    : QRectF(tip.x() - 80, tip.y() + 6, 160, 20);
  const Qt::Alignment align = out.x() > 0 ? Qt::AlignLeft : out.x() < 0 ? Qt::AlignRight : Qt::AlignHCenter;
  painter.drawText(box, align | Qt::AlignVCenter, label);
  painter.restore();
}

}  // namespace

QImage DrawRoomPicture(const RoomMap& room) {
  const LevelMap& map = room.map;
  Vec3 low{-512, -512, 0}, high{512, 512, 0};
  WorldBounds(map, low, high);
  // Room for the arrows and their labels around the walls.
  const double pad = 320;
  low = {low.x - pad, low.y - pad, low.z};
  high = {high.x + pad, high.y + pad, high.z};
  PlanCanvas canvas(low, high, LegendHeight(7, kLegendRowsPerColumn));
  std::vector<std::size_t> brushes(map.brushes.size());
  std::iota(brushes.begin(), brushes.end(), 0);
  DrawFloorPlan(canvas, map, brushes, kFloor);

  std::array<int, 7> counts{};
  for (const MapEntity& entity : map.entities) {
    const auto kind = RoomMarkerOf(entity);
    if (!entity.origin || !kind) continue;
    ++counts[static_cast<std::size_t>(*kind)];
    DrawMarker(canvas.Painter(), *kind, canvas.ToPixel(*entity.origin));
  }
  for (const ConnectorMark& connector : room.connectors) DrawConnector(canvas, connector);

  const auto count = [&](MarkerKind kind) { return counts[static_cast<std::size_t>(kind)]; };
  const auto marker = [&](MarkerKind kind, const char* caption) {
    return LegendRow{LegendRow::Sample::Marker, kind, {},
                     QString::fromLatin1(caption) + QStringLiteral(" (") + QString::number(count(kind)) + QStringLiteral(")")};
  };
  const std::vector<LegendRow> legend = {
      {LegendRow::Sample::Arrow, MarkerKind::PlayerStart, kPassage,
       QStringLiteral("Connectors (") + QString::number(room.connectors.size()) + QStringLiteral("): direction, size")},
      marker(MarkerKind::Weapon, "Weapon placeholders"),
      marker(MarkerKind::AmmoOrItem, "Item placeholders"),
      marker(MarkerKind::Monster, "Monster placeholders"),
      marker(MarkerKind::SpawnPoint, "Spawn placeholders"),
      marker(MarkerKind::PlayerStart, "Player start"),
      marker(MarkerKind::RoomInfo, "Room information"),
  };
  DrawLegend(canvas.Painter(), canvas.LegendArea(), legend, kLegendRowsPerColumn);
  canvas.DrawScaleBar();
  QString title = QString::fromStdString(map.file.filename().string());
  for (const MapEntity& entity : map.entities) {
    const std::string* name = entity.className == "quilla_info" ? entity.block->Key("roomname") : nullptr;
    if (name != nullptr && !name->empty()) title += QStringLiteral(": ") + QString::fromStdString(*name);
  }
  canvas.DrawTitle(title);
  return canvas.Finish();
}

QImage PreviewRoom(const std::filesystem::path& roomFile) { return DrawRoomPicture(ReadRoomMap(roomFile)); }

}  // namespace vendrel::preview
