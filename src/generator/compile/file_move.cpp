#include "file_move.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>

namespace vendrel {
namespace {

std::error_code CopyThenRemove(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  if (!std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error)) {
    if (error != std::errc::file_exists) {
      std::error_code ignored;
      std::filesystem::remove(to, ignored);
    }
    return error;
  }
  std::filesystem::remove(from, error);
  return error;
}

}  // namespace

std::error_code MoveWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  const int error = errno;
  if (error == EXDEV) return CopyThenRemove(from, to);
  if (error == EINVAL || error == ENOSYS) {
    // A file system that cannot promise it: look first.
    std::error_code probe;
    if (std::filesystem::exists(to, probe)) return std::make_error_code(std::errc::file_exists);
    std::filesystem::rename(from, to, probe);
    return probe;
  }
  return {error, std::generic_category()};
}

}  // namespace vendrel
