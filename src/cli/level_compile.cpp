#include "level_compile.h"

#include <iostream>

#include "compile_stage.h"
#include "installation_check.h"
#include "map_error.h"

namespace vendrel::cli {
namespace {

// The compile frame of the terminal: its texts once, the tools' output as it comes.
class TerminalCompileFrame final : public CompileFrameView {
 public:
  explicit TerminalCompileFrame(TerminalHost& terminal) : terminal_(terminal) {}
  void ShowCompileFrame(bool runMapTicked) override {
    runMap_ = runMapTicked;
    terminal_.PrintLine("Compiling: Please wait while your map is compiling... (Ctrl-C: Emergency Exit)");
  }
  void HideCompileFrame() override {}
  bool RunMapTicked() const override { return runMap_; }
  void ShowToolOutput(std::string_view line) override { terminal_.PrintLine(line); }

 private:
  TerminalHost& terminal_;
  bool runMap_ = false;
};

}  // namespace

void AddLevelCompileOptions(CLI::App& command, LevelCompileOptions& options) {
  command.add_option("--account", options.account,
                     "Steam account folder holding cinderfall/ and sourcesdk/ (default: the "
                     "account of cindrpath.ini beside the program)");
  command.add_flag("--launch", options.launch, "start the game on the level once it is compiled");
}

int CompileOnTerminal(const Engine& engine, TerminalHost& terminal, InterruptibleHost& host,
                      const std::filesystem::path& levelFile, const LevelCompileOptions& options,
                      bool ask) {
  StartUpAccount account{options.account, true};
  if (CheckInstallation(host, engine.programFolder, account).state != InstallationState::Ready) {
    std::cerr << "vendrel-cli: no usable account"
              << (options.account.empty() ? " in cindrpath.ini" : ": " + options.account)
              << "; --account names a Steam account folder that holds cinderfall/cindr.exe and "
                 "sourcesdk/bin/vbsp.exe\n";
    return 1;
  }
  ProcessRunner runner(host, engine.clock);
  TerminalCompileFrame frame(terminal);
  CompileStage stage(engine, runner, frame);
  if (ask && !stage.ConfirmCompile()) {
    std::cout << "Not compiled; the level stays in " << levelFile.string() << "\n";
    return 0;
  }
  host.OnInterrupt([&stage] { stage.Command3_Click(); });

  CompileRequest request;
  request.accountFolder = account.accountFolder;
  request.levelFile = levelFile;
  request.runMapAfterCompile = options.launch;
  request.runCompilerUnhidden = true;  // the terminal is the tools' output window
  request.difficulty = options.difficulty;
  request.allWeapons = options.allWeapons;
  const CompileOutcome outcome = stage.Run(request);
  terminal.PrintLine("");
  switch (outcome.end) {
    case CompileEnd::Aborted:
      std::cerr << "vendrel-cli: compilation aborted; nothing was moved into the game.\n";
      return 130;
    case CompileEnd::NoMap:
      std::cerr << "vendrel-cli: the compile tools produced no level (" << levelFile.string()
                << " stays for a manual compile).\n";
      return 1;
    case CompileEnd::Compiled:
    case CompileEnd::GameStarted:
      break;
  }
  std::cout << "Level compiled: " << outcome.compiledLevel.string() << "\n";
  if (outcome.backup) std::cout << "Backup:         " << outcome.backup->string() << "\n";
  if (outcome.end == CompileEnd::GameStarted) {
    std::cout << "Game started:  ";
    for (const std::string& argument : outcome.gameCommandLine) std::cout << " " << argument;
    std::cout << "\n";
  }
  return 0;
}

}  // namespace vendrel::cli
