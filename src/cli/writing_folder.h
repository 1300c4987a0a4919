#pragma once

#include <filesystem>
#include <optional>

namespace vendrel::cli {

// The folder a command keeps its logs, levels and room files in: the program folder, or
// the user's data folder when the program folder cannot be written, which it then says.
// Nothing when neither can be written: it says so, and the command must stop.
std::optional<std::filesystem::path> WritingFolder();

}  // namespace vendrel::cli
