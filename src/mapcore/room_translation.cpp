#include "room_translation.h"

#include <cmath>
#include <string>
#include <string_view>

#include "bracketed_value.h"
#include "decimal_floor.h"
#include "key_value_walk.h"
#include "number_text.h"
#include "room_value_error.h"
#include "world_bounds.h"

namespace vendrel {
namespace {

// Texture offsets beyond this wrap round, as a texture repeats.
constexpr double kTextureOffsetWrap = 512;

enum class MoveKey { None, StartPosition, Plane, Point, TextureAxis };

MoveKey MoveKeyOf(std::string_view item) {
  if (item == "startposition") return MoveKey::StartPosition;
  if (item == "plane") return MoveKey::Plane;
  if (item == "origin" || item == "point0" || item == "point1" || item == "attachpoint") {
    return MoveKey::Point;
  }
  if (item == "uaxis" || item == "vaxis") return MoveKey::TextureAxis;
  return MoveKey::None;
}

struct MovedPoint {
  double x, y, z;
  void AppendTo(std::string& out) const {
    AppendNumber(out, x);
    out += ' ';
    AppendNumber(out, y);
    out += ' ';
    AppendNumber(out, z);
  }
};

MovedPoint MovePoint(std::string_view xyz, const Vec3& offset) {
  const FiveFieldViews f = SSplitViews(xyz);
  return {NumberOrThrow(f.f1) + offset.x, NumberOrThrow(f.f2) + offset.y,
          NumberOrThrow(f.f3) + offset.z};
}

// Builds the moved axis in `out`; false when the texture scale is zero.
bool MoveTextureAxis(std::string& out, std::string& unbracketed, std::string_view axis,
                     const Vec3& offset) {
  UnbracketInto(unbracketed, axis);
  const FiveFieldViews f = SSplitViews(unbracketed);
  const double ux = NumberOrThrow(f.f1), uy = NumberOrThrow(f.f2), uz = NumberOrThrow(f.f3);
  const double scale = NumberOrThrow(f.f5);
  if (scale == 0) return false;
  double moved = NumberOrThrow(f.f4);
  moved -= ux * offset.x / scale;
  moved -= uy * offset.y / scale;
  moved -= uz * offset.z / scale;
  if (moved > kTextureOffsetWrap) moved = std::fmod(std::nearbyint(moved), kTextureOffsetWrap);
  out += '[';
  out += f.f1;
  out += ' ';
  out += f.f2;
  out += ' ';
  out += f.f3;
  out += ' ';
  out += FloorToThousandths(moved);
  out += "] ";
  out += f.f5;
  return true;
}

}  // namespace

TranslationResult SetOrigins(Items& room, const Vec3& offset, ConnectorPositions& cellConnectors) {
  for (Vec3& connector : cellConnectors) {
    connector.x += offset.x;
    connector.y += offset.y;
    connector.z += offset.z;
  }

  TranslationResult result;
  // Moved values are built here and copied over the old ones, so no value allocates once
  // the buffers have grown.
  std::string out;
  std::string unbracketed;
  WalkKeyValues(room, MoveKeyOf, [&](MoveKey key, std::size_t i) {
    std::string& value = room[i];
    out.clear();
    switch (key) {
      case MoveKey::StartPosition:
        // A func_movelinear keeps a plain fraction under the same key.
        if (!IsBracketedVector(value)) return true;
        UnbracketInto(unbracketed, value);
        out += '[';
        MovePoint(unbracketed, offset).AppendTo(out);
        out += ']';
        break;
      case MoveKey::Plane: {
        const ThreePartViews points = CSplitViews(value);
        const MovedPoint first = MovePoint(points.first, offset);
        if (BadPos(first.x, first.y, first.z)) {
          result.boundaryErrors.emplace_back(points.first);
          if (static_cast<int>(result.boundaryErrors.size()) >= kBoundaryErrorLimit) {
            result.aborted = true;
            return false;
          }
        }
        out += '(';
        first.AppendTo(out);
        out += ") (";
        MovePoint(points.second, offset).AppendTo(out);
        out += ") (";
        MovePoint(points.third, offset).AppendTo(out);
        out += ')';
        break;
      }
      case MoveKey::Point:
        MovePoint(value, offset).AppendTo(out);
        break;
      case MoveKey::TextureAxis:
        if (!MoveTextureAxis(out, unbracketed, value, offset)) {
          throw RoomValueError(i, room[i - 1], value, "has a texture scale of zero");
        }
        break;
      case MoveKey::None:
        return true;
    }
    value.assign(out);
    return true;
  });
  return result;
}

}  // namespace vendrel
