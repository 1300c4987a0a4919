#pragma once

#include <filesystem>

namespace vendrel {

// The folder that holds the running program's file, where everything the system keeps
// beside the program lives. Falls back to the current folder when the platform cannot say.
std::filesystem::path ProgramFolder();

}  // namespace vendrel
