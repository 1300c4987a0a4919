#include "program_folder.h"

namespace vendrel::cli {

std::filesystem::path ProgramFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace vendrel::cli
