#include "cli_commands.h"

#include "batch_command.h"
#include "check_command.h"
#include "compile_command.h"
#include "deploy_command.h"
#include "generate_command.h"
#include "mazes_command.h"
#include "preview_command.h"
#include "rooms_command.h"

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
  AddCheckCommand(app, exitStatus);
  AddCompileCommand(app, exitStatus);
  AddDeployCommand(app, exitStatus);
  AddGenerateCommand(app, exitStatus);
  AddBatchCommand(app, exitStatus);
  AddMazesCommand(app, exitStatus);
  AddPreviewCommand(app, exitStatus);
  AddRoomsCommand(app, exitStatus);
}

}  // namespace vendrel::cli
