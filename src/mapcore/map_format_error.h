#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vendrel {

// A file the system reads is not what it must be. The message names the file and,
// where one is known, the line.
class MapFormatError : public std::runtime_error {
 public:
  MapFormatError(const std::filesystem::path& file, std::size_t line, const std::string& what);
  MapFormatError(const std::filesystem::path& file, const std::string& what);

  const std::filesystem::path& File() const { return file_; }
  std::size_t Line() const { return line_; }
  // The message without the file's name, for a report that names the file itself.
  const std::string& Problem() const { return problem_; }

 private:
  std::filesystem::path file_;
  std::size_t line_ = 0;
  std::string problem_;
};

}  // namespace vendrel
