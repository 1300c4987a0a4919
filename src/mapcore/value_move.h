#pragma once

#include <string>
#include <string_view>

#include "room_translation.h"

namespace vendrel {

// The keys whose values a move rewrites; compared exactly.
enum class MoveKey { None, StartPosition, Plane, Point, TextureAxis };

MoveKey MoveKeyOf(std::string_view item);

// "x y z", each by the number rule.
void AppendPoint(std::string& out, double x, double y, double z);
// What follows the first two fields of a moved texture axis: " z shift] scale", the shift
// cut to thousandths.
void AppendTextureAxisRest(std::string& out, std::string_view z, double movedShift,
                           std::string_view scale);
// A texture axis's shift once its brush moved by `offset`, so the texture stays put.
double MovedTextureShift(double shift, const Vec3& axis, double scale, const Vec3& offset);

enum class MoveBuild {
  Unchanged,
  Moved,
  // A plane whose first point, moved, lies outside the world bounds.
  MovedOutside,
  // The same when that ends the move: the rest of the plane is left as it was.
  StoppedOutside,
  // A texture axis with a scale of zero, which cannot be moved.
  ZeroScale,
};

// Moves single values by one offset. The moved value is built in a buffer kept for the
// whole room, so a move costs no allocation once it has grown.
class ValueMover {
 public:
  explicit ValueMover(const Vec3& offset) : offset_(offset) {}

  // Builds the moved value of `key` in Moved(); `outsideStops` when a plane outside the
  // bounds ends the move. Throws NumberTextError when a field it must add to is not a
  // number.
  MoveBuild Build(MoveKey key, std::string_view value, bool outsideStops);
  const std::string& Moved() const { return out_; }

 private:
  const Vec3 offset_;
  std::string out_;
  std::string unbracketed_;
};

}  // namespace vendrel
