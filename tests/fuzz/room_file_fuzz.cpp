// A room file is read or refused; what is read must make a sound level.
#include <cstdint>

#include "fuzz_input.h"
#include "level_shape.h"
#include "map_format_error.h"
#include "room_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto file = vendrel::fuzz::FuzzFolder("room_file") / "room.rgr";
  vendrel::fuzz::WriteInput(file, data, size);
  try {
    vendrel::ReadRoomHeader(file);
  } catch (const vendrel::MapFormatError&) {
  }
  try {
    const vendrel::Items body = vendrel::ReadRoomBody(file);
    if (const auto fault = vendrel::fuzz::RoomBodyFault(body); !fault.empty()) {
      vendrel::fuzz::Finding("room body accepted although " + fault);
    }
  } catch (const vendrel::MapFormatError&) {
  }
  return 0;
}
