#pragma once

#include <cstdint>
#include <filesystem>

namespace vendrel {

// The largest designer's map or room file the programs take. A room is held whole in
// memory as items, about ten times its size; a room this large (some hundred thousand
// brushes) could not be compiled into a level anyway.
inline constexpr std::uintmax_t kLargestRoomMapBytes = std::uintmax_t{32} << 20;

// Throws MapFormatError naming the file when it holds more than that.
void RefuseOversizedRoomMap(const std::filesystem::path& file, std::uintmax_t bytes);

}  // namespace vendrel
