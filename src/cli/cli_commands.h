#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// Registers every subcommand; a subcommand that runs stores its exit status.
void AddCommands(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
