#pragma once

#include <filesystem>

namespace vendrel::cli {

// The folder that holds the running program, where everything it keeps beside itself
// lives. Throws std::filesystem::filesystem_error when the system cannot say.
std::filesystem::path ProgramFolder();

}  // namespace vendrel::cli
