#include "writing_folder.h"

#include <iostream>
#include <string>

#include "program_folder.h"

namespace vendrel::cli {

std::optional<std::filesystem::path> WritingFolder() {
  const std::filesystem::path program = ProgramFolder();
  const std::filesystem::path writable = WritableProgramFolder(program);
  if (const std::string note = WritingFolderNote(program, writable); !note.empty()) {
    std::cerr << "vendrel-cli: " << note << "\n";
  }
  if (!FolderCanBeWritten(writable)) return std::nullopt;
  return writable;
}

}  // namespace vendrel::cli
