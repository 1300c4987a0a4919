#include "left_out_rooms.h"

namespace vendrel {

std::string LeftOutRoomLine(const LeftOutRoom& room) {
  return "Room file " + room.file.string() + " left out: " + room.reason + ".";
}

}  // namespace vendrel
