#pragma once

#include <filesystem>

namespace vendrel::cli {

// The folder a command keeps its logs, levels and room files in: the program folder, or
// the user's data folder when the program folder cannot be written, which it then says.
std::filesystem::path WritingFolder();

}  // namespace vendrel::cli
