#include "program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vendrel {
namespace {

std::filesystem::path EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value == '/' ? std::filesystem::path(value) : std::filesystem::path();
}

// Copies what the programs read beside themselves, once: a copy the user has changed
// (rooms deleted or deployed) is never written over.
void SeedUserFolder(const std::filesystem::path& programFolder, const std::filesystem::path& user) {
  std::error_code error;
  if (!std::filesystem::exists(user / "rooms", error) &&
      std::filesystem::is_directory(programFolder / "rooms", error)) {
    std::filesystem::copy(programFolder / "rooms", user / "rooms",
                          std::filesystem::copy_options::recursive, error);
  }
  for (const char* data : {"itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    std::filesystem::copy_file(programFolder / data, user / data,
                               std::filesystem::copy_options::skip_existing, error);
  }
}

}  // namespace

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) return std::filesystem::current_path();
  return program.parent_path();
}

std::filesystem::path UserDataFolder() {
  if (const auto data = EnvironmentPath("XDG_DATA_HOME"); !data.empty()) return data / "vendrel";
  if (const auto home = EnvironmentPath("HOME"); !home.empty()) {
    return home / ".local" / "share" / "vendrel";
  }
  return std::filesystem::temp_directory_path() / "vendrel";
}

std::filesystem::path WritableProgramFolder(const std::filesystem::path& programFolder) {
  if (FolderCanBeWritten(programFolder)) return programFolder;
  const std::filesystem::path user = UserDataFolder();
  std::error_code error;
  std::filesystem::create_directories(user, error);
  SeedUserFolder(programFolder, user);
  return user;
}

bool FolderCanBeWritten(const std::filesystem::path& folder) {
  return access(folder.c_str(), W_OK) == 0;
}

std::string WritingFolderNote(const std::filesystem::path& programFolder,
                              const std::filesystem::path& writingFolder) {
  if (!FolderCanBeWritten(writingFolder)) {
    std::string note = programFolder.string() + " cannot be written";
    if (writingFolder != programFolder) note += ", nor can " + writingFolder.string();
    return note + ": logs, levels and room files have nowhere to go";
  }
  if (writingFolder == programFolder) return {};
  return programFolder.string() + " cannot be written; logs, levels and room files go to " +
         writingFolder.string();
}

}  // namespace vendrel
