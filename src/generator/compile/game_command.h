#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game_paths.h"

namespace vendrel {

// A compile tool on a map, named without its ".vmf": tool -v -game GAMEFOLDER MAP.
std::vector<std::string> ToolCommandLine(const GamePaths& paths, std::string_view program,
                                         const std::filesystem::path& mapWithoutExtension);

// " skill " + difficulty + ";bind f12 +toggleconsole", and the all-weapons cheats.
std::string GameOptions(int difficulty, bool allWeapons);

// The game on a map: cindr.exe -game GAMEFOLDER +map MAP and the options, which the game
// reads as one command line and so are passed blank by blank.
std::vector<std::string> GameCommandLine(const GamePaths& paths, std::string_view mapName,
                                         std::string_view options);

// The same as the log shows it, each path and the map name in double quotes.
std::string GameCommandText(const GamePaths& paths, std::string_view mapName,
                            std::string_view options);

}  // namespace vendrel
