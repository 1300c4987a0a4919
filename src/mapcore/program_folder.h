#pragma once

#include <filesystem>
#include <string>

namespace vendrel {

// The folder that holds the running program's file, where everything the system keeps
// beside the program lives. Falls back to the current folder when the platform cannot say.
std::filesystem::path ProgramFolder();

// $XDG_DATA_HOME/vendrel, by default ~/.local/share/vendrel.
std::filesystem::path UserDataFolder();

// Where the programs keep what they write beside the program (logs, level files, room
// files, "cindrpath.ini"): the program folder itself, or, when it cannot be written (an
// installed program), the user's data folder, which gets a copy of the program folder's
// room library and spawn data the first time, so that it reads as the program folder does.
std::filesystem::path WritableProgramFolder(const std::filesystem::path& programFolder);

// Whether this process can make files in the folder.
bool FolderCanBeWritten(const std::filesystem::path& folder);

// What the programs tell the user when they write elsewhere than beside themselves, or
// when they cannot write at all; empty when the two folders are one.
std::string WritingFolderNote(const std::filesystem::path& programFolder,
                              const std::filesystem::path& writingFolder);

}  // namespace vendrel
