#include "level_output.h"

#include <system_error>

namespace vendrel {
namespace {

std::string KindOf(std::filesystem::file_type type) {
  switch (type) {
    case std::filesystem::file_type::directory:
      return "a folder";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character:
      return "a device";
    case std::filesystem::file_type::fifo:
      return "a FIFO";
    case std::filesystem::file_type::socket:
      return "a socket";
    default:
      return "not a regular file";
  }
}

std::string Refusal(const std::string& what, const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found ||
      status.type() == std::filesystem::file_type::regular) {
    return {};
  }
  if (error) return "The " + what + " " + path.string() + " cannot be checked: " + error.message();
  return "The " + what + " " + path.string() + " is " + KindOf(status.type()) +
         ": name a regular file or a path that does not exist yet.";
}

}  // namespace

std::string RefuseLevelOutput(const LevelPaths& paths) {
  if (std::string refused = Refusal("level file", paths.levelFile); !refused.empty()) return refused;
  return Refusal("working map file", paths.workingFile);
}

WorkingLevelFile::WorkingLevelFile(const LevelPaths& paths) : paths_(paths), writer_(paths.workingFile) {}

WorkingLevelFile::~WorkingLevelFile() {
  if (moved_) return;
  writer_.Abandon();
  std::error_code ignored;
  std::filesystem::remove(paths_.workingFile, ignored);
}

void WorkingLevelFile::MoveIntoPlace() {
  writer_.Close();
  std::error_code error;
  std::filesystem::rename(paths_.workingFile, paths_.levelFile, error);
  if (error) {
    throw std::system_error(error, "Cannot move the working map file " + paths_.workingFile.string() +
                                       " to " + paths_.levelFile.string());
  }
  moved_ = true;
}

}  // namespace vendrel
