#include "game_command.h"

namespace vendrel {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::vector<std::string> ToolCommandLine(const GamePaths& paths, std::string_view program,
                                         const std::filesystem::path& mapWithoutExtension) {
  return {paths.Tool(program).string(), "-v", "-game", paths.GameFolder().string(),
          mapWithoutExtension.string()};
}

std::string GameOptions(int difficulty, bool allWeapons) {
  std::string options = " skill " + std::to_string(difficulty) + ";bind f12 +toggleconsole";
  if (allWeapons) options += " ;sv_cheats = 1;impulse 101;impulse 101;echo All weapons enabled;";
  return options;
}

std::vector<std::string> GameCommandLine(const GamePaths& paths, std::string_view mapName,
                                         std::string_view options) {
  std::vector<std::string> arguments{paths.GameProgram().string(), "-game",
                                     paths.GameFolder().string(), "+map", std::string(mapName)};
  std::size_t start = 0;
  while (start < options.size()) {
    const std::size_t blank = options.find(' ', start);
    const std::size_t end = blank == std::string_view::npos ? options.size() : blank;
    if (end > start) arguments.emplace_back(options.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

std::string GameCommandText(const GamePaths& paths, std::string_view mapName,
                            std::string_view options) {
  return Quoted(paths.GameProgram().string()) + " -game " + Quoted(paths.GameFolder().string()) +
         " +map " + Quoted(mapName) + " " + std::string(options);
}

}  // namespace vendrel
