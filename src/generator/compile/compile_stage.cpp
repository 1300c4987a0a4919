#include "compile_stage.h"

#include <cerrno>
#include <cstring>

#include "game_command.h"
#include "game_paths.h"
#include "level_move.h"
#include "map_error.h"
#include "progress.h"

namespace vendrel {
namespace {

std::filesystem::path WithoutExtension(const std::filesystem::path& levelFile) {
  std::filesystem::path map = levelFile;
  return map.replace_extension();
}

}  // namespace

CompileStage::CompileStage(const Engine& engine, ProcessRunner& runner, CompileFrameView& frame)
    : engine_(engine), runner_(runner), frame_(frame) {}

bool CompileStage::ConfirmCompile() {
  const MessageAnswer answer = engine_.host.Message(
      "Generating done!",
      "Vendrel have now built the map. The map needs to be compiled before it can be played and "
      "the compiler will start now!",
      MessageIcon::Information, MessageButtons::OkCancel);
  if (answer != MessageAnswer::Cancel) return true;
  return engine_.host.Message("Abort?",
                              "Warning! You are currently aborting the compile process! The map "
                              "needs to be compiled before it can be played. Are you sure that "
                              "you want to cancel?",
                              MessageIcon::Critical, MessageButtons::YesNo) != MessageAnswer::Yes;
}

void CompileStage::Command3_Click() {
  runner_.KillCompiler();
  compileAbort_ = true;
  frame_.HideCompileFrame();
  engine_.log.Log("Aborted compilation...");
}

bool CompileStage::RunTool(const CompileRequest& request, const char* step, const char* program,
                           double percent) {
  MrProg(engine_.host, percent);
  engine_.log.Log(std::string("Running ") + step + " at " + TimeText(engine_.clock.Now()));
  const WindowStyle style =
      request.runCompilerUnhidden ? WindowStyle::MinimisedNoActivate : WindowStyle::Hidden;
  try {
    runner_.SuperShell(ToolCommandLine(GamePaths{request.accountFolder}, program,
                                       WithoutExtension(request.levelFile)),
                       style, kIdlePriorityClass);
  } catch (const ProcessStartError& error) {
    // As a tool that fails: no ".bsp", and the no-map report at the end.
    engine_.log.Log(error.what());
  }
  if (!compileAbort_) return true;
  frame_.HideCompileFrame();
  return false;
}

void CompileStage::ReportNoMap(const CompileRequest& request) {
  engine_.host.Message("NoMap!",
                       "The compiler didn't produce any map so there was probably some errors "
                       "with it. If you want to compile the map manually, (preferably in hammer) "
                       "the map lies here: " +
                           request.levelFile.string() + " I'm sorry, this error is very unexpected.",
                       MessageIcon::Information, MessageButtons::Ok);
  frame_.HideCompileFrame();
}

CompileOutcome CompileStage::Run(const CompileRequest& request) {
  compileAbort_ = false;
  frame_.ShowCompileFrame(request.runMapAfterCompile);
  runner_.SetOutputListener([this](std::string_view line, WindowStyle style) {
    engine_.log.Log(line, false, true);
    if (style == WindowStyle::MinimisedNoActivate) frame_.ShowToolOutput(line);
  });
  struct ForgetListener {
    ProcessRunner& runner;
    ~ForgetListener() { runner.SetOutputListener({}); }
  } forget{runner_};

  CompileOutcome outcome;
  engine_.host.SetStatus("Compiling map structures, please wait....");
  engine_.host.Yield();
  if (!RunTool(request, "BSP", "vbsp.exe", 25) || !RunTool(request, "VIS", "vvis.exe", 50) ||
      !RunTool(request, "RAD", "vrad.exe", 75)) {
    return outcome;
  }

  engine_.log.Log("Moving level 1 to cindr/maps folder...", false, true);
  const GamePaths paths{request.accountFolder};
  std::filesystem::path compiled = request.levelFile;
  compiled.replace_extension(".bsp");
  outcome.compiledLevel = paths.MapsFolder() / compiled.filename();
  const LevelMove moved = MoveIntoMapsFolder(engine_.random, compiled, outcome.compiledLevel);
  outcome.backup = moved.backup;
  if (!moved.moved) {
    ReportNoMap(request);
    outcome.end = CompileEnd::NoMap;
    return outcome;
  }
  MrProg(engine_.host, 100);

  if (!frame_.RunMapTicked() &&
      engine_.host.Message("Sure?",
                           "Compiling done! Are you sure that you dont want cindr to launch now?",
                           MessageIcon::Information, MessageButtons::YesNo) == MessageAnswer::Yes) {
    frame_.HideCompileFrame();
    outcome.end = CompileEnd::Compiled;
    return outcome;
  }
  return Launch(request, std::move(outcome));
}

CompileOutcome CompileStage::Launch(const CompileRequest& request, CompileOutcome outcome) {
  const GamePaths paths{request.accountFolder};
  const std::string mapName = WithoutExtension(request.levelFile).filename().string();
  const std::string options = GameOptions(request.difficulty, request.allWeapons);
  MrProg(engine_.host, 100);
  engine_.log.Log("Compilation complete! Running cindr...." + options);
  engine_.log.Log("Start Parameters: " + GameCommandText(paths, mapName, options));
  outcome.gameCommandLine = GameCommandLine(paths, mapName, options);
  try {
    runner_.Launch(outcome.gameCommandLine);
  } catch (const ProcessStartError& error) {
    MapError(engine_, "A general script error has occoured!", true,
             "Error occoured in Compile Main! (" + std::to_string(error.ErrorNumber()) + " " +
                 std::strerror(error.ErrorNumber()) + ")");
  }
  outcome.end = CompileEnd::GameStarted;
  return outcome;
}

}  // namespace vendrel
