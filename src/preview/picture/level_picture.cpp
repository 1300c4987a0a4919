#include "level_picture.h"

#include <QPolygonF>
#include <array>

#include "floor_plan.h"
#include "map_markers.h"
#include "picture_palette.h"
#include "plan_canvas.h"

namespace vendrel::preview {
namespace {

constexpr int kLegendRowsPerColumn = 4;
const QColor kLeak(255, 40, 40);

QString Counted(const char* caption, int count) {
  return QString::fromLatin1(caption) + QStringLiteral(" (") + QString::number(count) + QStringLiteral(")");
}

void DrawLeak(PlanCanvas& canvas, const std::vector<Vec3>& path) {
  if (path.empty()) return;
  QPainter& painter = canvas.Painter();
  QPolygonF line;
  for (const Vec3& point : path) line << canvas.ToPixel(point);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  QPen halo(Qt::white);
  halo.setWidthF(6);
  painter.setPen(halo);
  painter.drawPolyline(line);
  QPen pen(kLeak);
  pen.setWidthF(3);
  painter.setPen(pen);
  painter.drawPolyline(line);
  painter.drawEllipse(line.back(), 14, 14);
  painter.restore();
}

QString Verdict(const LevelCheck& check) {
  if (check.Passed()) return QStringLiteral("check passed: sealed and sound");
  return QStringLiteral("check failed: ") + QString::number(check.findings.size()) +
         (check.findings.size() == 1 ? QStringLiteral(" fault") : QStringLiteral(" faults"));
}

}  // namespace

QImage DrawLevelPicture(const LevelMap& map, const LevelLayout& layout, const LevelCheck& check,
                        const std::string& seed) {
  Vec3 low{-512, -512, 0}, high{512, 512, 0};
  WorldBounds(map, low, high);
  const bool leaks = !check.leakPath.empty();
  const std::size_t rows = leaks ? 8 : 7;
  PlanCanvas canvas(low, high, LegendHeight(rows, kLegendRowsPerColumn));

  for (const LayoutRoom& room : layout.rooms) {
    DrawFloorPlan(canvas, map, room.brushes, room.steps < 0 ? QColor(120, 120, 120) : DepthColour(room.depth));
  }
  QPainter& painter = canvas.Painter();
  QPen doorPen(kPassage);
  doorPen.setWidthF(4);
  doorPen.setCapStyle(Qt::FlatCap);
  painter.setPen(doorPen);
  for (const Doorway& doorway : layout.doorways) painter.drawLine(canvas.ToPixel(doorway.a), canvas.ToPixel(doorway.b));

  std::array<int, 5> counts{};
  // Monsters and items first, so the start and the end stay on top.
  for (MarkerKind kind : {MarkerKind::AmmoOrItem, MarkerKind::Weapon, MarkerKind::Monster, MarkerKind::LevelEnd,
                          MarkerKind::PlayerStart}) {
    for (const MapEntity& entity : map.entities) {
      if (!entity.origin || LevelMarkerOf(entity) != kind) continue;
      ++counts[static_cast<std::size_t>(kind)];
      DrawMarker(painter, kind, canvas.ToPixel(*entity.origin));
    }
  }
  DrawLeak(canvas, check.leakPath);

  const auto count = [&](MarkerKind kind) { return counts[static_cast<std::size_t>(kind)]; };
  std::vector<LegendRow> legend = {
      {LegendRow::Sample::Marker, MarkerKind::PlayerStart, {}, Counted("Player start", count(MarkerKind::PlayerStart))},
      {LegendRow::Sample::Marker, MarkerKind::Weapon, {}, Counted("Weapons", count(MarkerKind::Weapon))},
      {LegendRow::Sample::Marker, MarkerKind::AmmoOrItem, {}, Counted("Ammunition and items", count(MarkerKind::AmmoOrItem))},
      {LegendRow::Sample::Marker, MarkerKind::Monster, {}, Counted("Monsters", count(MarkerKind::Monster))},
      {LegendRow::Sample::Marker, MarkerKind::LevelEnd, {},
       count(MarkerKind::LevelEnd) > 0 ? Counted("Level end", count(MarkerKind::LevelEnd))
                                       : QStringLiteral("Level end (none in the file)")},
      {LegendRow::Sample::Line, MarkerKind::PlayerStart, kPassage, Counted("Doorways", static_cast<int>(layout.doorways.size()))},
      {LegendRow::Sample::DepthRamp, MarkerKind::PlayerStart, {},
       QStringLiteral("Rooms (") + QString::number(layout.rooms.size()) + QStringLiteral(") by path depth, start to end")},
  };
  if (leaks) legend.push_back({LegendRow::Sample::Line, MarkerKind::PlayerStart, kLeak, QStringLiteral("Leak: from the void to an entity")});
  DrawLegend(painter, canvas.LegendArea(), legend, kLegendRowsPerColumn);
  canvas.DrawScaleBar();
  canvas.DrawTitle(QString::fromStdString(map.file.filename().string()) + QStringLiteral(": ") + Verdict(check));
  if (!seed.empty()) canvas.DrawCornerText(QStringLiteral("Seed ") + QString::fromStdString(seed));
  return canvas.Finish();
}

LevelPreview PreviewLevel(const std::filesystem::path& levelFile, const std::string& seed) {
  const LevelMap map = ReadLevelMap(levelFile);
  SolidGrid grid(map.brushes);
  LevelPreview preview;
  preview.check = CheckLevel(map, grid);
  const LevelLayout layout = FindLayout(map, grid);
  preview.picture = DrawLevelPicture(map, layout, preview.check, seed);
  return preview;
}

}  // namespace vendrel::preview
