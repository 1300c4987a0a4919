#include "cli_commands.h"

#include "deploy_command.h"
#include "generate_command.h"
#include "mazes_command.h"
#include "rooms_command.h"

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
  AddDeployCommand(app, exitStatus);
  AddGenerateCommand(app, exitStatus);
  AddMazesCommand(app, exitStatus);
  AddRoomsCommand(app, exitStatus);
}

}  // namespace vendrel::cli
