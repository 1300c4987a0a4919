#pragma once

#include <filesystem>
#include <string_view>

namespace vendrel {

// Creates or overwrites "errorlog.txt" in the folder with the one line `detail`: what a
// user sends to the maintainer after a fault of the program. Quiet when it cannot.
void WriteErrorLog(const std::filesystem::path& folder, std::string_view detail);

}  // namespace vendrel
