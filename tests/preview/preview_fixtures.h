#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace vendrel::testing {

inline const std::filesystem::path kPreviewFixtures = VENDREL_PREVIEW_FIXTURES;

// Line (from 1) on which `row` first stands in `text`; 0 when it is not there.
inline std::size_t LineOf(const std::string& text, const std::string& row) {
  const std::size_t at = text.find(row);
  if (at == std::string::npos) return 0;
  std::size_t line = 1;
  for (std::size_t i = 0; i < at; ++i) line += text[i] == '\n' ? 1 : 0;
  return line;
}

}  // namespace vendrel::testing
