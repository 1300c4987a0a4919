#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vendrel {

// `InputStr` without the characters whose codes are below 32.
std::string DeadChars(std::string_view InputStr);

// A folder is a Steam folder exactly when it holds both of the client's files.
// `folderText` ends with a slash; the file names are appended to it as text.
bool IsSteamFolder(std::string_view folderText);

// "spath.idf" beside the program.
std::filesystem::path SteamPathFile(const std::filesystem::path& programFolder);

// The accounts folder ("steamapps/" below the remembered Steam folder), or the empty text
// when "spath.idf" is missing, unreadable or names no Steam folder.
std::string InternalSteamPath(const std::filesystem::path& programFolder);

// Remembers `steamFolderText` (ending with a slash) as the single line of "spath.idf".
// False when the file cannot be written.
bool WriteSteamPathFile(const std::filesystem::path& programFolder,
                        std::string_view steamFolderText);

// The accounts folder from the client's install path in the Wine prefix's registry,
// nothing when the registry file, the key or the value is missing.
std::optional<std::filesystem::path> RegistryAccountsFolder(const std::filesystem::path& winePrefix);

}  // namespace vendrel
