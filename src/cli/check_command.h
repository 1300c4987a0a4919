#pragma once

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "map_check.h"

namespace vendrel::cli {

// "check": judges a level file the way the map compiler will.
void AddCheckCommand(CLI::App& app, int& exitStatus);

// Each finding on a line of its own, led by the file's name.
void PrintFindings(std::ostream& out, const std::filesystem::path& file, const preview::LevelCheck& check);

}  // namespace vendrel::cli
