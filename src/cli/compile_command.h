#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "compile": the map compile tools on a level file, the level moved into the game, and on
// request the game started on it.
void AddCompileCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
