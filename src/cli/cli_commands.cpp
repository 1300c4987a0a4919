#include "cli_commands.h"

namespace vendrel::cli {

void AddCommands(CLI::App& app, int& exitStatus) {
  (void)app;
  (void)exitStatus;
}

}  // namespace vendrel::cli
