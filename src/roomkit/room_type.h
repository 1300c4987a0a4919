#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vendrel::roomkit {

// One flag for each of the directions 0 to 3: a connector stands there.
using DirectionFlags = std::array<bool, 4>;

// The room type code a "roomtype" text gives, when it is a whole number from 0 to 6.
std::optional<int> RoomTypeCode(std::string_view roomType);

struct RoomIdentity {
  DirectionFlags pattern{};
  // Empty for a text that names no room type.
  std::string name;
};

// The canonical connector pattern of a room type and the name the kit shows for it.
RoomIdentity GetRoomId(std::string_view roomType);

// The quarter turns that bring `flags` onto `pattern` (a connector in direction d moves
// to d + 1 each turn), or -1 when no number of turns does.
int ValuesCanBeRotated(DirectionFlags flags, const DirectionFlags& pattern);

}  // namespace vendrel::roomkit
