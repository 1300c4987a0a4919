#include "room_translation.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "bracketed_value.h"
#include "decimal_floor.h"
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
  std::string Text() const {
    return FormatNumber(x) + " " + FormatNumber(y) + " " + FormatNumber(z);
  }
};

MovedPoint MovePoint(std::string_view xyz, const Vec3& offset) {
  const FiveFields f = SSplit(xyz);
  return {NumberOrThrow(f.f1) + offset.x, NumberOrThrow(f.f2) + offset.y,
          NumberOrThrow(f.f3) + offset.z};
}

// Nothing when the texture scale is zero.
std::optional<std::string> MoveTextureAxis(std::string_view axis, const Vec3& offset) {
  const FiveFields f = SSplit(Unbracketed(axis));
  const double ux = NumberOrThrow(f.f1), uy = NumberOrThrow(f.f2), uz = NumberOrThrow(f.f3);
  const double scale = NumberOrThrow(f.f5);
  if (scale == 0) return std::nullopt;
  double moved = NumberOrThrow(f.f4);
  moved -= ux * offset.x / scale;
  moved -= uy * offset.y / scale;
  moved -= uz * offset.z / scale;
  if (moved > kTextureOffsetWrap) moved = std::fmod(std::nearbyint(moved), kTextureOffsetWrap);
  return "[" + f.f1 + " " + f.f2 + " " + f.f3 + " " + FloorToThousandths(moved) + "] " + f.f5;
}

}  // namespace

TranslationResult SetOrigins(Items& room, const Vec3& offset, ConnectorPositions& cellConnectors) {
  for (Vec3& connector : cellConnectors) {
    connector.x += offset.x;
    connector.y += offset.y;
    connector.z += offset.z;
  }

  TranslationResult result;
  for (std::size_t i = 0; i + 1 < room.size(); ++i) {
    const MoveKey key = MoveKeyOf(room[i]);
    if (key == MoveKey::None) continue;
    ++i;
    std::string& value = room[i];
    try {
      switch (key) {
        case MoveKey::StartPosition:
          // A func_movelinear keeps a plain fraction under the same key.
          if (IsBracketedVector(value)) {
            value = "[" + MovePoint(Unbracketed(value), offset).Text() + "]";
          }
          break;
        case MoveKey::Plane: {
          const ThreeParts points = CSplit(value);
          const MovedPoint first = MovePoint(points.first, offset);
          if (BadPos(first.x, first.y, first.z)) {
            result.boundaryErrors.push_back(points.first);
            if (static_cast<int>(result.boundaryErrors.size()) >= kBoundaryErrorLimit) {
              result.aborted = true;
              return result;
            }
          }
          value = "(" + first.Text() + ") (" + MovePoint(points.second, offset).Text() + ") (" +
                  MovePoint(points.third, offset).Text() + ")";
          break;
        }
        case MoveKey::Point:
          value = MovePoint(value, offset).Text();
          break;
        case MoveKey::TextureAxis: {
          auto moved = MoveTextureAxis(value, offset);
          if (!moved) throw RoomValueError(i, room[i - 1], value, "has a texture scale of zero");
          value = std::move(*moved);
          break;
        }
        case MoveKey::None:
          break;
      }
    } catch (const NumberTextError& error) {
      throw RoomValueError(i, room[i - 1], value,
                           "holds \"" + error.Text() + "\" where a number is needed");
    }
  }
  return result;
}

}  // namespace vendrel
