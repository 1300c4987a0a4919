#pragma once

#include <filesystem>

#include "engine.h"
#include "room_table.h"

namespace vendrel {

// The room library folder beside the program.
std::filesystem::path RoomsFolder(const std::filesystem::path& programFolder);

// Reads the header of every "*.rgr" file of the folder into a fresh room table, in
// file-name order. Empty room files are deleted and the scan starts again. A file whose
// header cannot be read keeps a row with its path and the reason, and is never chosen.
// Every room a run will not choose and every deleted file goes into the table's report
// and, line by line, into the log file. A missing folder is an empty library.
RoomTable Categorize(const Engine& engine, const std::filesystem::path& roomsFolder);

}  // namespace vendrel
