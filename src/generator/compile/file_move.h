#pragma once

#include <filesystem>
#include <system_error>

namespace vendrel {

// Moves a file where nothing is yet, also across file systems; a file already at `to`
// makes it fail (file_exists) and is left as it was.
std::error_code MoveWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to);

}  // namespace vendrel
