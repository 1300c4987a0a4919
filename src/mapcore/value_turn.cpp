#include "value_turn.h"

#include <algorithm>
#include <iterator>

#include "bracketed_value.h"
#include "number_text.h"
#include "text_case.h"

namespace vendrel {
namespace {

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

void AppendTurnedPlane(std::string& out, std::string_view plane) {
  const ThreePartViews p = CSplitViews(plane);
  out += '(';
  AppendTurnedPoint(out, p.first);
  out += ") (";
  AppendTurnedPoint(out, p.second);
  out += ") (";
  AppendTurnedPoint(out, p.third);
  out += ')';
}

void AppendTurnedTextureAxis(std::string& out, std::string_view unbracketedAxis) {
  const FiveFieldViews f = SSplitViews(unbracketedAxis);
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

void AppendTurnedAngles(std::string& out, std::string_view angles) {
  const FiveFieldViews f = SSplitViews(angles);
  out += f.f1;
  out += ' ';
  AppendTurnedYaw(out, f.f2);
  out += ' ';
  out += f.f3;
}

}  // namespace

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

void ValueTurner::Turn(TurnKey key, std::string& value) {
  if (Build(key, value)) value.assign(out_);
}

bool ValueTurner::Build(TurnKey key, const std::string& value) {
  out_.clear();
  switch (key) {
    case TurnKey::ClassName:
      className_ = value;
      return false;
    case TurnKey::Plane:
      AppendTurnedPlane(out_, value);
      return true;
    case TurnKey::Point:
      AppendTurnedPoint(out_, value);
      return true;
    case TurnKey::StartPosition:
      // A func_movelinear keeps a plain fraction under the same key; only the vector turns.
      if (!IsBracketedVector(value)) return false;
      UnbracketInto(unbracketed_, value);
      out_ += '[';
      AppendTurnedPoint(out_, unbracketed_);
      out_ += ']';
      return true;
    case TurnKey::TextureAxis:
      UnbracketInto(unbracketed_, value);
      AppendTurnedTextureAxis(out_, unbracketed_);
      return true;
    case TurnKey::Angles:
      // Brush entities take their direction from their brushes.
      if (StartsWithIgnoringCase(className_, "func_")) return false;
      AppendTurnedAngles(out_, value);
      return true;
    case TurnKey::None:
      break;
  }
  return false;
}

}  // namespace vendrel
