#include "map_file_size.h"

#include <string>

#include "map_format_error.h"

namespace vendrel {

void RefuseOversizedRoomMap(const std::filesystem::path& file, std::uintmax_t bytes) {
  if (bytes <= kLargestRoomMapBytes) return;
  throw MapFormatError(file, "holds " + std::to_string(bytes) + " bytes, more than the " +
                                 std::to_string(kLargestRoomMapBytes) +
                                 " a room may hold");
}

}  // namespace vendrel
