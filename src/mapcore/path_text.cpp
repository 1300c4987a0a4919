#include "path_text.h"

#include <system_error>

namespace vendrel {

bool FileExists(const std::filesystem::path& file) {
  std::error_code error;
  (void)std::filesystem::file_size(file, error);
  return !error;
}

RightPart ToRight(std::string_view path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.remove_suffix(1);
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string_view::npos) return {std::string(path), 0};
  return {std::string(path.substr(slash + 1)), slash + 1};
}

}  // namespace vendrel
