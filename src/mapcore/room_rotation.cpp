#include "room_rotation.h"

#include <algorithm>
#include <iterator>

#include "bracketed_value.h"
#include "key_value_walk.h"
#include "number_text.h"
#include "text_case.h"

namespace vendrel {
namespace {

// The turned values are built in buffers kept for the whole room, so a turn costs no
// allocation once they have grown.
struct TurnBuffers {
  std::string out;
  std::string unbracketed;
};

// r90_Co(number, false) appended: zero and empty keep their text, the rest flips sign.
void AppendNegated(std::string& out, std::string_view number) {
  if (number.empty()) return;
  const double value = NumberOrThrow(number);
  if (value != 0) {
    AppendNumber(out, -value);
  } else {
    out += number;
  }
}

void AppendTurnedPoint(std::string& out, std::string_view xyz) {
  const FiveFieldViews f = SSplitViews(xyz);
  out += f.f2;
  out += ' ';
  AppendNegated(out, f.f1);
  out += ' ';
  out += f.f3;
}

void TurnPlane(TurnBuffers& buffers, std::string_view plane) {
  const ThreePartViews p = CSplitViews(plane);
  std::string& out = buffers.out;
  out += '(';
  AppendTurnedPoint(out, p.first);
  out += ") (";
  AppendTurnedPoint(out, p.second);
  out += ") (";
  AppendTurnedPoint(out, p.third);
  out += ')';
}

void TurnTextureAxis(TurnBuffers& buffers, std::string_view axis) {
  UnbracketInto(buffers.unbracketed, axis);
  const FiveFieldViews f = SSplitViews(buffers.unbracketed);
  std::string& out = buffers.out;
  out += '[';
  out += f.f2;
  out += ' ';
  AppendNegated(out, f.f1);
  out += ' ';
  out += f.f3;
  out += ' ';
  out += f.f4;
  out += "] ";
  out += f.f5;
}

void AppendTurnedYaw(std::string& out, std::string_view yaw) {
  if (yaw.empty()) return;
  double turned = NumberOrThrow(yaw) - 90;
  if (turned < 0) turned += 360;
  AppendNumber(out, turned);
}

void TurnAngles(std::string& out, std::string_view angles) {
  const FiveFieldViews f = SSplitViews(angles);
  out += f.f1;
  out += ' ';
  AppendTurnedYaw(out, f.f2);
  out += ' ';
  out += f.f3;
}

enum class TurnKey { None, ClassName, Plane, Point, StartPosition, TextureAxis, Angles };

TurnKey TurnKeyOf(std::string_view item) {
  // Most items are no key at all; their length tells without comparing letters.
  constexpr std::size_t kKeyLengths[] = {5, 6, 9, 11, 13};
  if (std::find(std::begin(kKeyLengths), std::end(kKeyLengths), item.size()) ==
      std::end(kKeyLengths)) {
    return TurnKey::None;
  }
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

// Builds the turned value in buffers.out; false when the value stays as it is.
bool TurnValue(TurnKey key, const std::string& value, std::string& className,
               TurnBuffers& buffers) {
  buffers.out.clear();
  switch (key) {
    case TurnKey::ClassName:
      className = value;
      return false;
    case TurnKey::Plane:
      TurnPlane(buffers, value);
      return true;
    case TurnKey::Point:
      AppendTurnedPoint(buffers.out, value);
      return true;
    case TurnKey::StartPosition:
      // A func_movelinear keeps a plain fraction under the same key; only the vector turns.
      if (!IsBracketedVector(value)) return false;
      UnbracketInto(buffers.unbracketed, value);
      buffers.out += '[';
      AppendTurnedPoint(buffers.out, buffers.unbracketed);
      buffers.out += ']';
      return true;
    case TurnKey::TextureAxis:
      TurnTextureAxis(buffers, value);
      return true;
    case TurnKey::Angles:
      // Brush entities take their direction from their brushes.
      if (StartsWithIgnoringCase(className, "func_")) return false;
      TurnAngles(buffers.out, value);
      return true;
    case TurnKey::None:
      break;
  }
  return false;
}

}  // namespace

void Rotator(Items& room, int rotations) {
  for (int turn = 0; turn < rotations; ++turn) Rotate90(room);
}

void Rotate90(Items& room) {
  std::string className;
  TurnBuffers buffers;
  WalkKeyValues(room, TurnKeyOf, [&](TurnKey key, std::size_t i) {
    if (TurnValue(key, room[i], className, buffers)) room[i].assign(buffers.out);
    return true;
  });
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
