#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vendrel::testing {

struct CommandRun {
  int status = -1;  // the exit status, -1 when the command did not exit normally
  std::string output;
};

// Runs a shell command line and keeps what it printed on stdout.
inline CommandRun RunCommand(const std::string& commandLine) {
  CommandRun run;
  std::FILE* pipe = popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return run;
}

}  // namespace vendrel::testing
