#pragma once

#include <string>
#include <string_view>

#include "room_translation.h"
#include "value_move.h"

namespace vendrel {

// Turns a value `turns` quarter turns and moves it by the offset in one step, when every
// coordinate a turn negates or moves is a whole number: such numbers print and read back
// exactly, so the value comes out byte for byte as turning its text that often and then
// moving it would leave it. Anything else (a fraction, a word, a zero texture scale, a
// plane that leaves the world) is left to the text walks, which say what is wrong.
class WholeNumberTransform {
 public:
  WholeNumberTransform(int turns, const Vec3& offset) : turns_(turns), offset_(offset) {}

  // The value built in Result(); false when the text walks must do it.
  bool Build(MoveKey key, std::string_view value);
  const std::string& Result() const { return out_; }

 private:
  bool BuildPoint(std::string_view xyz);
  bool BuildPlane(std::string_view plane);
  bool BuildTextureAxis(std::string_view unbracketedAxis);

  const int turns_;
  const Vec3 offset_;
  std::string out_;
  std::string unbracketed_;
};

}  // namespace vendrel
