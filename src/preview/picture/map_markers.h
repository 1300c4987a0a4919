#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "level_map.h"

namespace vendrel::preview {

enum class MarkerKind {
  PlayerStart,
  Weapon,
  AmmoOrItem,
  Monster,
  LevelEnd,
  SpawnPoint,  // a room's spawn placeholders and controllers
  RoomInfo,    // a room's quilla_info
};

// What a level's or a room's entity stands for on the plan; nothing for the rest.
std::optional<MarkerKind> LevelMarkerOf(const MapEntity& entity);
std::optional<MarkerKind> RoomMarkerOf(const MapEntity& entity);

// Fixed pixel sizes: markers stay readable however far the plan is zoomed out.
void DrawMarker(QPainter& painter, MarkerKind kind, QPointF at);

// One row of a legend: a marker, a line sample or a depth ramp, and its caption.
struct LegendRow {
  enum class Sample { Marker, Line, DepthRamp, Arrow } sample = Sample::Marker;
  MarkerKind marker = MarkerKind::PlayerStart;
  QColor colour;
  QString caption;
};

// Rows in columns of `rowsPerColumn`.
void DrawLegend(QPainter& painter, const QRectF& area, const std::vector<LegendRow>& rows, int rowsPerColumn);
int LegendHeight(std::size_t rows, int rowsPerColumn);

// The plan colour of a room at a path depth from 0 (start) to 1 (end).
QColor DepthColour(double depth);

}  // namespace vendrel::preview
