#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "rooms": lists the room library, one room file a line.
void AddRoomsCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
