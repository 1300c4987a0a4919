#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "generate": one generation run from the room library to the level file, every
// setting of the windows a flag.
void AddGenerateCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
