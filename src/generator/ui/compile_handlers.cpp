#include <string>
#include <vector>

#include "compile_stage.h"
#include "level_picture.h"
#include "main_window.h"
#include "map_format_error.h"

namespace vendrel::generator_ui {
namespace {

// Enough findings to show where the trouble is; the log has them all.
constexpr std::size_t kFindingsShown = 5;

std::string Faults(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " fault" : " faults");
}

std::string CheckQuestion(const std::vector<std::string>& findings,
                          const std::filesystem::path& levelFile, bool customSeed) {
  std::string text = "The level check found " + Faults(findings.size()) +
                     " that the map compiler will stumble on:\n\n";
  for (std::size_t i = 0; i < findings.size() && i < kFindingsShown; ++i) {
    text += findings[i] + "\n";
  }
  if (findings.size() > kFindingsShown) {
    text += "(and " + std::to_string(findings.size() - kFindingsShown) + " more in the log)\n";
  }
  text += "\nCompiling can take up to an hour, and this level will most likely fail to compile "
          "or play with a leak. The level lies here: " +
          levelFile.string();
  if (customSeed) {
    text += "\n\nCustom Seed is ticked, and the same seed builds the same level again: "
            "\"Generate Again\" leaves this level uncompiled, so that you can change the seed "
            "first.";
  }
  return text;
}

}  // namespace

MainWindow::AfterCheck MainWindow::CheckLevel(const std::filesystem::path& levelFile, const RunOptions& options) {
  const bool customSeed = options.seedMode == SeedMode::Custom;
  std::vector<std::string> findings;
  try {
    const preview::LevelPreview preview =
        preview::PreviewLevel(levelFile, customSeed ? options.customSeedText : std::string());
    for (const preview::Finding& finding : preview.check.findings) {
      findings.push_back(preview::FindingText(finding));
    }
    previewPanel_->ShowPreview(
        preview.picture,
        findings.empty() ? QString("The level check passed: sound and sealed.")
                         : FromEngineText("The level check failed: " + Faults(findings.size()) +
                                          ". " + findings.front()));
  } catch (const MapFormatError& error) {
    findings.push_back(std::string("The level could not be read back: ") + error.what());
    previewPanel_->ShowNoPreview(FromEngineText(findings.front()));
  }
  if (findings.empty()) {
    log_->Log("Level check: sound and sealed");
    return AfterCheck::Compile;
  }
  log_->Log("Level check: " + Faults(findings.size()));
  for (const std::string& finding : findings) log_->Log(finding, false, true);
  const std::size_t choice =
      dialogs_->Choose("Level Check", CheckQuestion(findings, levelFile, customSeed),
                       MessageIcon::Exclamation, {"Generate Again", "Compile Anyway"});
  if (choice == 1) return AfterCheck::Compile;
  if (!customSeed) return AfterCheck::GenerateAgain;
  host_->SetStatus("Not compiled: change the seed and generate again.");
  return AfterCheck::LeaveUncompiled;
}

void MainWindow::CompileLevel(const std::filesystem::path& levelFile, const RunOptions& options) {
  ProcessRunner runner(*host_, clock_);
  CompileStage stage(engine_, runner, *compileFrame_);
  if (!stage.ConfirmCompile()) return;
  // The emergency exit and the window's close reach the stage only while it runs.
  compileFrame_->SetStage(&stage);
  compiling_ = true;
  struct LeaveStage {
    MainWindow& window;
    ~LeaveStage() {
      window.compileFrame_->SetStage(nullptr);
      window.compiling_ = false;
    }
  } leave{*this};
  const CompileOutcome outcome =
      stage.Run({accountFolder_, levelFile, options.runMapAfterCompile,
                 options.runCompilerUnhidden, options.difficulty, options.allWeapons});
  if (outcome.end == CompileEnd::GameStarted) EndProgram(0);
}

}  // namespace vendrel::generator_ui
