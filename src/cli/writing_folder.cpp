#include "writing_folder.h"

#include <iostream>

#include "program_folder.h"

namespace vendrel::cli {

std::filesystem::path WritingFolder() {
  const std::filesystem::path program = ProgramFolder();
  const std::filesystem::path writable = WritableProgramFolder(program);
  if (writable != program) {
    std::cerr << "vendrel-cli: " << program.string()
              << " cannot be written; logs, levels and room files go to " << writable.string()
              << "\n";
  }
  return writable;
}

}  // namespace vendrel::cli
