#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "compile_frame_view.h"
#include "engine.h"
#include "super_shell.h"

namespace vendrel {

struct CompileRequest {
  std::filesystem::path accountFolder;
  std::filesystem::path levelFile;   // the map file; its ".bsp" is expected beside it
  bool runMapAfterCompile = true;    // RunMapCheck of the settings
  bool runCompilerUnhidden = false;  // RCUnhidden
  int difficulty = 2;                // DifficulcyBar
  bool allWeapons = false;           // AAR
};

enum class CompileEnd { Aborted, NoMap, Compiled, GameStarted };

struct CompileOutcome {
  CompileEnd end = CompileEnd::Aborted;
  std::filesystem::path compiledLevel;          // in the game's map folder
  std::optional<std::filesystem::path> backup;  // where the level already there went
  std::vector<std::string> gameCommandLine;
};

// The stage after a level file is written: the three tools at idle priority, the move into
// the game's map folder with backups, the launch question and the game's start.
class CompileStage {
 public:
  CompileStage(const Engine& engine, ProcessRunner& runner, CompileFrameView& frame);

  // "Generating done!", and "Abort?" on Cancel: false when the user leaves the stage.
  bool ConfirmCompile();

  // Compiles the level. GameStarted means the game runs and the generator is to end.
  CompileOutcome Run(const CompileRequest& request);

  // "Emergency Exit": kills the running tool; no further one starts.
  void Command3_Click();
  bool CompileAbort() const { return compileAbort_; }

 private:
  bool RunTool(const CompileRequest& request, const char* step, const char* program, double percent);
  void ReportNoMap(const CompileRequest& request);
  CompileOutcome Launch(const CompileRequest& request, CompileOutcome outcome);

  const Engine& engine_;
  ProcessRunner& runner_;
  CompileFrameView& frame_;
  bool compileAbort_ = false;
};

}  // namespace vendrel
