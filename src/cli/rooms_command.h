#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "rooms": lists the room library, one room file a line, and the coverage of each genre.
void AddRoomsCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
