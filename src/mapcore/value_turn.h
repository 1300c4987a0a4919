#pragma once

#include <string>
#include <string_view>

namespace vendrel {

// The keys whose values a quarter turn rewrites (any case), and "classname", whose value
// decides whether an entity's angles turn.
enum class TurnKey { None, ClassName, Plane, Point, StartPosition, TextureAxis, Angles };

TurnKey TurnKeyOf(std::string_view item);

// One quarter turn of single values. The turned value is built in a buffer kept for the
// whole room, so a turn costs no allocation once it has grown.
class ValueTurner {
 public:
  // Turns `value` of `key` once in place; a "classname" value is remembered instead.
  // Throws NumberTextError when a field that must be negated or turned is not a number.
  void Turn(TurnKey key, std::string& value);

 private:
  // Builds the turned value in out_; false when the value stays as it is.
  bool Build(TurnKey key, const std::string& value);

  std::string className_;
  std::string out_;
  std::string unbracketed_;
};

}  // namespace vendrel
