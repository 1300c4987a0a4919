#include "cli_commands.h"

#include "mazes_command.h"

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
  AddMazesCommand(app, exitStatus);
}

}  // namespace vendrel::cli
