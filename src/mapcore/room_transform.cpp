#include "room_transform.h"

#include <algorithm>
#include <string>
#include <utility>

#include "bracketed_value.h"
#include "key_value_walk.h"
#include "number_text.h"
#include "quoted_excerpt.h"
#include "room_value_error.h"
#include "value_move.h"
#include "value_turn.h"
#include "whole_number_transform.h"

namespace vendrel {
namespace {

RoomValueError NotANumber(const Items& room, std::size_t i, const NumberTextError& error) {
  return RoomValueError(i, room[i - 1], room[i],
                        "holds " + QuotedExcerpt(error.Text()) + " where a number is needed");
}

// The walks this one stands for are numbered: the turns 1 to n, then the move n + 1. A
// walk that fails or stops ends there, and so do the walks after it, which would never
// have started; the walks before it go on to the end.
class Transform {
 public:
  Transform(Items& room, int turns, const std::optional<Vec3>& offset)
      : room_(room),
        turns_(turns),
        moveWalk_(turns + 1),
        walksLeft_(offset ? turns + 1 : turns),
        mover_(offset.value_or(Vec3{})),
        wholeNumbers_(turns, offset.value_or(Vec3{})) {}

  TranslationResult Run() {
    if (walksLeft_ == 0) return {};
    ForEachKey(room_, [&](std::size_t key) {
      const std::size_t value = key + 1;
      if (walksLeft_ == moveWalk_ && TurnAndMoveWholeNumbers(MoveKeyOf(room_[key]), value)) {
        return true;
      }
      if (turns_ > 0) Turn(TurnKeyOf(room_[key]), value);
      if (walksLeft_ == moveWalk_) Move(MoveKeyOf(room_[key]), value);
      return true;
    });
    if (failure_) throw *failure_;
    return std::move(result_);
  }

 private:
  void Fail(int walk, RoomValueError error) {
    failure_ = std::move(error);
    walksLeft_ = walk - 1;
  }

  // While every walk still runs, a value of whole numbers is turned and moved in one step.
  bool TurnAndMoveWholeNumbers(MoveKey key, std::size_t i) {
    if (key == MoveKey::None || !wholeNumbers_.Build(key, room_[i])) return false;
    room_[i].assign(wholeNumbers_.Result());
    return true;
  }

  // Keys are found where the printer finds them, so a value that spells a key ("origin")
  // never makes the item after it a value.
  void Turn(TurnKey key, std::size_t i) {
    if (key == TurnKey::None) return;
    for (int walk = 1; walk <= std::min(turns_, walksLeft_); ++walk) {
      try {
        turner_.Turn(key, room_[i]);
      } catch (const NumberTextError& error) {
        return Fail(walk, NotANumber(room_, i, error));
      }
    }
  }

  void Move(MoveKey key, std::size_t i) {
    if (key == MoveKey::None) return;
    std::string& value = room_[i];
    const bool limitReached =
        static_cast<int>(result_.boundaryErrors.size()) + 1 >= kBoundaryErrorLimit;
    MoveBuild built = MoveBuild::Unchanged;
    try {
      built = mover_.Build(key, value, limitReached);
    } catch (const NumberTextError& error) {
      return Fail(moveWalk_, NotANumber(room_, i, error));
    }
    switch (built) {
      case MoveBuild::Unchanged: return;
      case MoveBuild::ZeroScale:
        return Fail(moveWalk_, RoomValueError(i, room_[i - 1], value, "has a texture scale of zero"));
      case MoveBuild::StoppedOutside:
        result_.boundaryErrors.emplace_back(CSplitViews(value).first);
        result_.aborted = true;
        walksLeft_ = turns_;
        return;
      case MoveBuild::MovedOutside:
        result_.boundaryErrors.emplace_back(CSplitViews(value).first);
        break;
      case MoveBuild::Moved: break;
    }
    value.assign(mover_.Moved());
  }

  Items& room_;
  const int turns_;
  const int moveWalk_;
  int walksLeft_;
  ValueTurner turner_;
  ValueMover mover_;
  WholeNumberTransform wholeNumbers_;
  std::optional<RoomValueError> failure_;
  TranslationResult result_;
};

}  // namespace

TranslationResult TransformRoom(Items& room, int rotations, const std::optional<Vec3>& offset) {
  return Transform(room, std::max(rotations, 0), offset).Run();
}

}  // namespace vendrel
