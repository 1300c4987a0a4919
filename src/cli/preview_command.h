#pragma once

#include <CLI/CLI.hpp>

namespace vendrel::cli {

// "preview": a picture of a level file or of one room.
void AddPreviewCommand(CLI::App& app, int& exitStatus);

}  // namespace vendrel::cli
