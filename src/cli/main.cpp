#include <CLI/CLI.hpp>

#include <iostream>

#include "cli_commands.h"
#include "large_heap_pages.h"

int main(int argc, char** argv) {
  vendrel::cli::UseLargeHeapPages();
  CLI::App app{"Vendrel: random levels from a library of designer-built rooms.", "vendrel-cli"};
  app.require_subcommand(0, 1);
  int exitStatus = 0;
  vendrel::cli::AddCommands(app, exitStatus);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    // The engines end through their own errors; this is the last guard before terminate.
    std::cerr << "vendrel-cli: internal error: " << error.what() << "\n";
    return 1;
  } catch (...) {
    std::cerr << "vendrel-cli: internal error of an unknown kind\n";
    return 1;
  }
  if (app.get_subcommands().empty()) {
    std::cout << app.help();
    return 0;
  }
  return exitStatus;
}
