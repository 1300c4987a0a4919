#pragma once

#include "engine.h"
#include "room_table.h"

namespace vendrel::cli {

// Before a run: one warning on stderr, and in the log file, for every piece of a maze of
// the genre that could find no room.
void WarnOfCoverageHoles(const Engine& engine, const RoomTable& table, long long genre);

}  // namespace vendrel::cli
