#include "compile_command.h"

#include <iostream>
#include <memory>

#include "decimal_symbol.h"
#include "level_compile.h"
#include "log_service.h"
#include "map_error.h"
#include "path_text.h"
#include "random_source.h"
#include "run_options.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

struct CompileCommandRequest {
  std::string level;
  LevelCompileOptions options;
};

int Compile(const CompileCommandRequest& request) {
  const std::optional<std::filesystem::path> writingFolder = WritingFolder();
  if (!writingFolder) return 1;
  const std::filesystem::path& programFolder = *writingFolder;
  const std::filesystem::path levelFile = request.level.empty()
                                              ? programFolder / "level1.vmf"
                                              : std::filesystem::absolute(request.level);
  if (!FileExists(levelFile)) {
    std::cerr << "vendrel-cli compile: no level file " << levelFile.string() << "\n";
    return 1;
  }
  TerminalHost terminal(true);
  SystemClock clock;
  RandomSource random(clock);
  random.Randa();
  InterruptibleHost host(terminal);
  LogService log(host, clock, programFolder);
  const Engine engine{host, clock, random, log, programFolder};
  try {
    SetCorrectPC(log);
    return CompileOnTerminal(engine, terminal, host, levelFile, request.options, false);
  } catch (const MapErrorExit& error) {
    std::cerr << "vendrel-cli compile: " << error.what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << "vendrel-cli compile: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddCompileCommand(CLI::App& app, int& exitStatus) {
  auto* command = app.add_subcommand(
      "compile", "Compile a level with the game kit's three tools and move it into the game.");
  auto request = std::make_shared<CompileCommandRequest>();
  command->add_option("level", request->level, "level file (default: level1.vmf beside the program)");
  AddLevelCompileOptions(*command, request->options);
  for (const GaugeSetting& gauge : RunGauges()) {
    if (gauge.field != &RunOptions::difficulty) continue;
    request->options.difficulty = gauge.start;
    command->add_option("--" + std::string(gauge.flag), request->options.difficulty,
                        std::string(gauge.help) + " (" + std::string(gauge.name) + ")")
        ->check(CLI::Range(gauge.min, gauge.max))
        ->capture_default_str();
  }
  for (const CheckSetting& check : RunChecks()) {
    if (check.field != &RunOptions::allWeapons) continue;
    command->add_flag("--" + std::string(check.flag), request->options.allWeapons,
                      std::string(check.caption) + " (" + std::string(check.name) + ")");
  }
  command->callback([request, &exitStatus] { exitStatus = Compile(*request); });
}

}  // namespace vendrel::cli
