#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>

#include "engine.h"
#include "interruptible_host.h"
#include "terminal_host.h"

namespace vendrel::cli {

struct LevelCompileOptions {
  std::string account;  // empty: the account of "cindrpath.ini"
  bool launch = false;
  int difficulty = 2;
  bool allWeapons = false;
};

// --account and --launch.
void AddLevelCompileOptions(CLI::App& command, LevelCompileOptions& options);

// The compile stage on the terminal: the account checked, the three tools with their output,
// the level moved with backups and where it went printed, the game started on request.
// Ctrl-C during a tool is the emergency exit. `ask` puts the "Generating done!" question
// first. Returns the exit status.
int CompileOnTerminal(const Engine& engine, TerminalHost& terminal, InterruptibleHost& host,
                      const std::filesystem::path& levelFile, const LevelCompileOptions& options,
                      bool ask);

}  // namespace vendrel::cli
