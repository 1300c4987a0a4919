#include "whole_number_transform.h"

#include <array>
#include <cmath>
#include <optional>

#include "bracketed_value.h"
#include "number_text.h"
#include "world_bounds.h"

namespace vendrel {
namespace {

// A whole number prints by the number rule and reads back as the same double.
std::optional<double> WholeNumber(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value || *value != std::trunc(*value) || std::fabs(*value) >= 1e15) return std::nullopt;
  return value;
}

// One of the two fields a quarter turn swaps: its text, its number, and how often the
// turns negated it.
struct TurnedField {
  std::string_view text;
  double value;
  int negations;

  // A negated zero keeps its text, so it also keeps its number.
  double Number() const { return value != 0 && negations % 2 == 1 ? -value : value; }

  void AppendText(std::string& out) const {
    if (negations == 0 || value == 0) {
      out += text;
    } else {
      AppendNumber(out, Number());
    }
  }
};

// A quarter turn takes (x, y) to (y, -x).
std::array<TurnedField, 2> Turned(TurnedField x, TurnedField y, int turns) {
  std::array<TurnedField, 2> fields{x, y};
  for (int turn = 0; turn < turns; ++turn) {
    fields = {fields[1], TurnedField{fields[0].text, fields[0].value, fields[0].negations + 1}};
  }
  return fields;
}

struct Point {
  double x, y, z;
};

std::optional<Point> TurnedPoint(std::string_view xyz, int turns) {
  if (const auto plain = PlainWholePoint(xyz)) {
    const auto [first, second] = Turned({{}, (*plain)[0], 0}, {{}, (*plain)[1], 0}, turns);
    return Point{first.Number(), second.Number(), (*plain)[2]};
  }
  const FiveFieldViews f = SSplitViews(xyz);
  const std::optional<double> x = WholeNumber(f.f1);
  const std::optional<double> y = WholeNumber(f.f2);
  const std::optional<double> z = ParseNumber(f.f3);
  if (!x || !y || !z) return std::nullopt;
  const auto [first, second] = Turned({f.f1, *x, 0}, {f.f2, *y, 0}, turns);
  return Point{first.Number(), second.Number(), *z};
}

}  // namespace

bool WholeNumberTransform::Build(MoveKey key, std::string_view value) {
  out_.clear();
  switch (key) {
    case MoveKey::Point:
      return BuildPoint(value);
    case MoveKey::StartPosition:
      if (!IsBracketedVector(value)) return false;
      UnbracketInto(unbracketed_, value);
      out_ += '[';
      if (!BuildPoint(unbracketed_)) return false;
      out_ += ']';
      return true;
    case MoveKey::Plane:
      return BuildPlane(value);
    case MoveKey::TextureAxis:
      UnbracketInto(unbracketed_, value);
      return BuildTextureAxis(unbracketed_);
    case MoveKey::None:
      break;
  }
  return false;
}

bool WholeNumberTransform::BuildPoint(std::string_view xyz) {
  const std::optional<Point> p = TurnedPoint(xyz, turns_);
  if (!p) return false;
  AppendPoint(out_, p->x + offset_.x, p->y + offset_.y, p->z + offset_.z);
  return true;
}

bool WholeNumberTransform::BuildPlane(std::string_view plane) {
  const ThreePartViews parts = CSplitViews(plane);
  std::array<Point, 3> points{};
  std::size_t n = 0;
  for (const std::string_view part : {parts.first, parts.second, parts.third}) {
    const std::optional<Point> p = TurnedPoint(part, turns_);
    if (!p) return false;
    points[n++] = {p->x + offset_.x, p->y + offset_.y, p->z + offset_.z};
  }
  // The text walk records the first point that leaves the world, as it read before.
  if (BadPos(points[0].x, points[0].y, points[0].z)) return false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    out_ += i == 0 ? "(" : ") (";
    AppendPoint(out_, points[i].x, points[i].y, points[i].z);
  }
  out_ += ')';
  return true;
}

bool WholeNumberTransform::BuildTextureAxis(std::string_view unbracketedAxis) {
  const FiveFieldViews f = SSplitViews(unbracketedAxis);
  const std::optional<double> ux = WholeNumber(f.f1);
  const std::optional<double> uy = WholeNumber(f.f2);
  const std::optional<double> uz = ParseNumber(f.f3);
  const std::optional<double> shift = ParseNumber(f.f4);
  const std::optional<double> scale = ParseNumber(f.f5);
  if (!ux || !uy || !uz || !shift || !scale || *scale == 0) return false;
  const auto [first, second] = Turned({f.f1, *ux, 0}, {f.f2, *uy, 0}, turns_);
  const double moved =
      MovedTextureShift(*shift, {first.Number(), second.Number(), *uz}, *scale, offset_);
  out_ += '[';
  first.AppendText(out_);
  out_ += ' ';
  second.AppendText(out_);
  AppendTextureAxisRest(out_, f.f3, moved, f.f5);
  return true;
}

}  // namespace vendrel
