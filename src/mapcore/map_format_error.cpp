#include "map_format_error.h"

namespace vendrel {

MapFormatError::MapFormatError(const std::filesystem::path& file, std::size_t line,
                               const std::string& what)
    : std::runtime_error(file.string() + ": At line " + std::to_string(line) + ": " + what),
      file_(file),
      line_(line),
      problem_("At line " + std::to_string(line) + ": " + what) {}

MapFormatError::MapFormatError(const std::filesystem::path& file, const std::string& what)
    : std::runtime_error(file.string() + ": " + what), file_(file), problem_(what) {}

}  // namespace vendrel
