#include "value_move.h"

#include <cmath>

#include "bracketed_value.h"
#include "decimal_floor.h"
#include "number_text.h"
#include "world_bounds.h"

namespace vendrel {
namespace {

struct MovedPoint {
  double x, y, z;
  void AppendTo(std::string& out) const { AppendPoint(out, x, y, z); }
};

MovedPoint MovePoint(std::string_view xyz, const Vec3& offset) {
  const FiveFieldViews f = SSplitViews(xyz);
  return {NumberOrThrow(f.f1) + offset.x, NumberOrThrow(f.f2) + offset.y,
          NumberOrThrow(f.f3) + offset.z};
}

// Builds the moved axis in `out`; false when the texture scale is zero.
bool MoveTextureAxis(std::string& out, std::string_view unbracketedAxis, const Vec3& offset) {
  const FiveFieldViews f = SSplitViews(unbracketedAxis);
  const double ux = NumberOrThrow(f.f1), uy = NumberOrThrow(f.f2), uz = NumberOrThrow(f.f3);
  const double scale = NumberOrThrow(f.f5);
  if (scale == 0) return false;
  const double moved = MovedTextureShift(NumberOrThrow(f.f4), {ux, uy, uz}, scale, offset);
  out += '[';
  out += f.f1;
  out += ' ';
  out += f.f2;
  AppendTextureAxisRest(out, f.f3, moved, f.f5);
  return true;
}

}  // namespace

void AppendPoint(std::string& out, double x, double y, double z) {
  AppendNumber(out, x);
  out += ' ';
  AppendNumber(out, y);
  out += ' ';
  AppendNumber(out, z);
}

void AppendTextureAxisRest(std::string& out, std::string_view z, double movedShift,
                           std::string_view scale) {
  out += ' ';
  out += z;
  out += ' ';
  out += FloorToThousandths(movedShift);
  out += "] ";
  out += scale;
}

double MovedTextureShift(double shift, const Vec3& axis, double scale, const Vec3& offset) {
  // Texture offsets beyond this wrap round, as a texture repeats.
  constexpr double kTextureOffsetWrap = 512;
  double moved = shift;
  moved -= axis.x * offset.x / scale;
  moved -= axis.y * offset.y / scale;
  moved -= axis.z * offset.z / scale;
  if (moved > kTextureOffsetWrap) moved = std::fmod(std::nearbyint(moved), kTextureOffsetWrap);
  return moved;
}

MoveKey MoveKeyOf(std::string_view item) {
  if (item == "startposition") return MoveKey::StartPosition;
  if (item == "plane") return MoveKey::Plane;
  if (item == "origin" || item == "point0" || item == "point1" || item == "attachpoint") {
    return MoveKey::Point;
  }
  if (item == "uaxis" || item == "vaxis") return MoveKey::TextureAxis;
  return MoveKey::None;
}

MoveBuild ValueMover::Build(MoveKey key, std::string_view value, bool outsideStops) {
  out_.clear();
  switch (key) {
    case MoveKey::StartPosition:
      // A func_movelinear keeps a plain fraction under the same key.
      if (!IsBracketedVector(value)) return MoveBuild::Unchanged;
      UnbracketInto(unbracketed_, value);
      out_ += '[';
      MovePoint(unbracketed_, offset_).AppendTo(out_);
      out_ += ']';
      return MoveBuild::Moved;
    case MoveKey::Plane: {
      const ThreePartViews points = CSplitViews(value);
      const MovedPoint first = MovePoint(points.first, offset_);
      const bool outside = BadPos(first.x, first.y, first.z);
      if (outside && outsideStops) return MoveBuild::StoppedOutside;
      out_ += '(';
      first.AppendTo(out_);
      out_ += ") (";
      MovePoint(points.second, offset_).AppendTo(out_);
      out_ += ") (";
      MovePoint(points.third, offset_).AppendTo(out_);
      out_ += ')';
      return outside ? MoveBuild::MovedOutside : MoveBuild::Moved;
    }
    case MoveKey::Point:
      MovePoint(value, offset_).AppendTo(out_);
      return MoveBuild::Moved;
    case MoveKey::TextureAxis:
      UnbracketInto(unbracketed_, value);
      return MoveTextureAxis(out_, unbracketed_, offset_) ? MoveBuild::Moved : MoveBuild::ZeroScale;
    case MoveKey::None:
      break;
  }
  return MoveBuild::Unchanged;
}

}  // namespace vendrel
