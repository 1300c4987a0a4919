#include "cli_commands.h"

<<<<<<< HEAD
#include "deploy_command.h"
#include "generate_command.h"
#include "rooms_command.h"
=======
#include "mazes_command.h"
>>>>>>> maze

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
<<<<<<< HEAD
  AddDeployCommand(app, exitStatus);
  AddGenerateCommand(app, exitStatus);
  AddRoomsCommand(app, exitStatus);
=======
  AddMazesCommand(app, exitStatus);
>>>>>>> maze
}

}  // namespace vendrel::cli
