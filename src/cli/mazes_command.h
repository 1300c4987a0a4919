#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// `mazes`: Make100Maps on the command line.
void AddMazesCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
