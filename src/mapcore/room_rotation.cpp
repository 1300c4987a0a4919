#include "room_rotation.h"

#include "bracketed_value.h"
#include "number_text.h"
#include "room_value_error.h"
#include "text_case.h"

namespace vendrel {
namespace {

std::string TurnPoint(std::string_view xyz) {
  const FiveFields f = SSplit(xyz);
  return r90_Co(f.f2, true) + " " + r90_Co(f.f1, false) + " " + f.f3;
}

std::string TurnPlane(std::string_view plane) {
  const ThreeParts p = CSplit(plane);
  return "(" + TurnPoint(p.first) + ") (" + TurnPoint(p.second) + ") (" + TurnPoint(p.third) + ")";
}

std::string TurnTextureAxis(std::string_view axis) {
  const FiveFields f = SSplit(Unbracketed(axis));
  return "[" + r90_Co(f.f2, true) + " " + r90_Co(f.f1, false) + " " + f.f3 + " " + f.f4 + "] " +
         f.f5;
}

std::string TurnYaw(std::string_view yaw) {
  if (yaw.empty()) return {};
  double turned = NumberOrThrow(yaw) - 90;
  if (turned < 0) turned += 360;
  return FormatNumber(turned);
}

std::string TurnAngles(std::string_view angles) {
  const FiveFields f = SSplit(angles);
  return f.f1 + " " + TurnYaw(f.f2) + " " + f.f3;
}

enum class TurnKey { None, ClassName, Plane, Point, StartPosition, TextureAxis, Angles };

TurnKey TurnKeyOf(std::string_view item) {
  if (EqualsIgnoringCase(item, "classname")) return TurnKey::ClassName;
  if (EqualsIgnoringCase(item, "plane")) return TurnKey::Plane;
  if (EqualsIgnoringCase(item, "origin") || EqualsIgnoringCase(item, "point0") ||
      EqualsIgnoringCase(item, "point1") || EqualsIgnoringCase(item, "attachpoint")) {
    return TurnKey::Point;
  }
  if (EqualsIgnoringCase(item, "startposition")) return TurnKey::StartPosition;
  if (EqualsIgnoringCase(item, "uaxis") || EqualsIgnoringCase(item, "vaxis")) {
    return TurnKey::TextureAxis;
  }
  if (EqualsIgnoringCase(item, "angles")) return TurnKey::Angles;
  return TurnKey::None;
}

void TurnValue(TurnKey key, std::string& value, std::string& className) {
  switch (key) {
    case TurnKey::ClassName:
      className = value;
      break;
    case TurnKey::Plane:
      value = TurnPlane(value);
      break;
    case TurnKey::Point:
      value = TurnPoint(value);
      break;
    case TurnKey::StartPosition:
      // A func_movelinear keeps a plain fraction under the same key; only the vector turns.
      if (IsBracketedVector(value)) value = "[" + TurnPoint(Unbracketed(value)) + "]";
      break;
    case TurnKey::TextureAxis:
      value = TurnTextureAxis(value);
      break;
    case TurnKey::Angles:
      // Brush entities take their direction from their brushes.
      if (!StartsWithIgnoringCase(className, "func_")) value = TurnAngles(value);
      break;
    case TurnKey::None:
      break;
  }
}

}  // namespace

void Rotator(Items& room, int rotations) {
  for (int turn = 0; turn < rotations; ++turn) Rotate90(room);
}

void Rotate90(Items& room) {
  std::string className;
  for (std::size_t i = 0; i + 1 < room.size(); ++i) {
    const TurnKey key = TurnKeyOf(room[i]);
    if (key == TurnKey::None) continue;
    ++i;
    try {
      TurnValue(key, room[i], className);
    } catch (const NumberTextError& error) {
      throw RoomValueError(i, room[i - 1], room[i],
                           "holds \"" + error.Text() + "\" where a number is needed");
    }
  }
}

std::string r90_Co(std::string_view number, bool x) {
  if (x || number.empty()) return std::string(number);
  return NumberOrThrow(number) < 0 ? Pos(number) : Neg(number);
}

void R90(int rotations, std::string& xValue, std::string& yValue) {
  for (int turn = 0; turn < rotations; ++turn) {
    std::string oldX = std::move(xValue);
    xValue = r90_Co(yValue, true);
    yValue = r90_Co(oldX, false);
  }
}

void RotateConnections(std::array<RoomConnector, 4>& connectors, int rotations) {
  RotateValues(connectors[0], connectors[1], connectors[2], connectors[3], rotations);
  for (RoomConnector& connector : connectors) R90(rotations, connector.x, connector.y);
}

}  // namespace vendrel
