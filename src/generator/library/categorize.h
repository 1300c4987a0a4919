#pragma once

#include <filesystem>

#include "engine.h"
#include "room_table.h"

namespace vendrel {

// The room library folder beside the program.
std::filesystem::path RoomsFolder(const std::filesystem::path& programFolder);

// Reads the header of every "*.rgr" file of the folder into a fresh room table, in
// file-name order. Empty room files are deleted and the scan starts again. A file whose
// header cannot be read ends the scan through MapError, naming the file. A missing folder
// is an empty library.
RoomTable Categorize(const Engine& engine, const std::filesystem::path& roomsFolder);

}  // namespace vendrel
