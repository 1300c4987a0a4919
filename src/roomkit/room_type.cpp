#include "room_type.h"

#include <charconv>

#include "room_rotation.h"

namespace vendrel::roomkit {

std::optional<int> RoomTypeCode(std::string_view roomType) {
  int code = 0;
  const auto [end, error] =
      std::from_chars(roomType.data(), roomType.data() + roomType.size(), code);
  if (roomType.empty() || error != std::errc() || end != roomType.data() + roomType.size() ||
      code < 0 || code > 6) {
    return std::nullopt;
  }
  return code;
}

RoomIdentity GetRoomId(std::string_view roomType) {
  const std::optional<int> code = RoomTypeCode(roomType);
  if (!code) return {};
  switch (*code) {
    case 0: return {{true, false, true, false}, "Two Way"};
    case 1: return {{true, true, false, false}, "Turn"};
    case 2: return {{true, true, false, true}, "Three Way"};
    case 3: return {{true, true, true, true}, "Crossing"};
    default: return {{true, false, false, false}, "Alley"};
  }
}

int ValuesCanBeRotated(DirectionFlags flags, const DirectionFlags& pattern) {
  for (int turns = 0; turns < 4; ++turns) {
    if (flags == pattern) return turns;
    RotateValues(flags[0], flags[1], flags[2], flags[3], 1);
  }
  return -1;
}

}  // namespace vendrel::roomkit
