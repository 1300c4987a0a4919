#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vendrel {

// The Wine prefix that stands in for the Windows installation: $WINEPREFIX, else ~/.wine.
std::filesystem::path WinePrefix();

// A string value of a key in one of the prefix's registry files ("system.reg" holds the
// machine's keys). Keys and value names compare without regard to case, as the registry
// does. Missing file, key or value, or a value that is not a string: nothing.
std::optional<std::string> ReadRegistryString(const std::filesystem::path& registryFile,
                                              std::string_view key, std::string_view valueName);

// "C:\Program Files\Steam" as the prefix holds it: drive C: is drive_c, the other drives
// are the prefix's dosdevices links. A path without a drive letter is taken as it is.
std::filesystem::path WindowsPathInPrefix(const std::filesystem::path& prefix,
                                          std::string_view windowsPath);

}  // namespace vendrel
