#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vendrel {

// True exactly when the length of the named file can be read: false for a missing
// file, a folder or an invalid path.
bool FileExists(const std::filesystem::path& file);

struct RightPart {
  std::string text;
  // Position (from 1) of the last inner slash, 0 when there is none.
  std::size_t slashPosition = 0;
};

// The part of a path after its last "/" or "\", a trailing slash not counted.
RightPart ToRight(std::string_view path);

}  // namespace vendrel
