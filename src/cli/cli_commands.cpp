#include "cli_commands.h"

#include "deploy_command.h"
#include "mazes_command.h"

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
  AddDeployCommand(app, exitStatus);
  AddMazesCommand(app, exitStatus);
}

}  // namespace vendrel::cli
