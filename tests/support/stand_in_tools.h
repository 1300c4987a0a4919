#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace vendrel::testing {

// A process that was killed is gone, or a zombie nobody reaped yet.
inline bool Gone(const std::filesystem::path& pidFile) {
  std::string pid;
  std::ifstream(pidFile) >> pid;
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return true;
  const std::size_t end = text.rfind(") ");
  return end != std::string::npos && text[end + 2] == 'Z';
}

// An account folder with stand-ins for the compile tools and the game: shell scripts that
// note in a trace file their name, each argument in brackets, their process id, process
// group, nice value and scheduling policy (5 is SCHED_IDLE), then do what the test says.
// The program and account folders hold blanks, quotes and ";" in their names.
class StandInInstallation {
 public:
  StandInInstallation() {
    std::filesystem::create_directories(programFolder);
    std::filesystem::create_directories(MapsFolder());
    std::filesystem::create_directories(account / "sourcesdk" / "bin");
    WriteFile(LevelFile(), "versioninfo\r\n");
  }

  std::filesystem::path LevelFile() const { return programFolder / "level1.vmf"; }
  std::filesystem::path CompiledBesideLevel() const { return programFolder / "level1.bsp"; }
  std::filesystem::path MapsFolder() const { return account / "cinderfall" / "cindr" / "maps"; }
  std::filesystem::path Tool(const std::string& program) const {
    return account / "sourcesdk" / "bin" / program;
  }
  std::filesystem::path Game() const { return account / "cinderfall" / "cindr.exe"; }
  std::filesystem::path Marker(const std::string& name) const { return root / name; }

  // The tools that just note their call; vbsp also writes the ".bsp" beside the map.
  void WorkingTools() {
    WriteScript(Tool("vbsp.exe"), "echo \"vbsp says hello\"\necho \"vbsp warns\" >&2\n"
                                  "printf compiled > \"$4.bsp\"\n");
    WriteScript(Tool("vvis.exe"), "");
    WriteScript(Tool("vrad.exe"), "echo \"vrad done\"\n");
  }
  void FailingTool(const std::string& program) { WriteScript(Tool(program), "exit 1\n"); }
  // Starts a child of its own and waits until it is killed, which it never is otherwise.
  void HangingTool(const std::string& program) {
    WriteScript(Tool(program), "sleep 100000 &\necho $! > '" + Marker("child.pid").string() +
                                   "'\necho $$ > '" + Marker("tool.pid").string() + "'\ntouch '" +
                                   Marker("started").string() + "'\nwait\n");
  }
  // The game notes its call in a trace of its own, finished by a rename.
  void StandInGame() {
    const std::string trace = Marker("game.txt").string();
    WriteScript(Game(), "", trace + ".part");
    std::ofstream(Game(), std::ios::app) << "mv '" << trace << ".part' '" << trace << "'\n";
  }

  std::vector<std::string> TraceLines() const {
    std::vector<std::string> lines;
    std::ifstream in(Marker("trace.txt"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  void WriteScript(const std::filesystem::path& file, const std::string& body,
                   const std::string& trace = {}) const {
    std::filesystem::create_directories(file.parent_path());
    const std::string traceFile = trace.empty() ? Marker("trace.txt").string() : trace;
    std::ofstream out(file, std::ios::binary);
    out << "#!/bin/sh\n"
           "stat=$(cat /proc/$$/stat)\n"
           "rest=${stat##*\\) }\n"
           "state() { echo \"pid=$$ pgrp=$3 session=$4 nice=${17} policy=${39}\"; }\n"
           "line=\"$(basename \"$0\") [$0]\"\n"
           "for a in \"$@\"; do line=\"$line [$a]\"; done\n"
           "echo \"$line $(state $rest)\" >> '"
        << traceFile << "'\n"
        << body;
    out.close();
    chmod(file.c_str(), 0755);
  }

  TempFolder folder;
  std::filesystem::path root = folder.Path();
  std::filesystem::path programFolder = root / "pro gram's; touch INJECTED \"q\"";
  std::filesystem::path account = root / "Steam $(touch INJECTED)" / "steamapps" / "my acc";
};

}  // namespace vendrel::testing
