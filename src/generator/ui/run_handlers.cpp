#include <cstdio>
#include <string>

#include "main_window.h"
#include "progress.h"
#include "room_coverage.h"

namespace vendrel::generator_ui {
namespace {

constexpr int kSkipConfirmation = 99;

std::string DateText(const LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
  return text;
}

}  // namespace

RunOptions MainWindow::ReadRunOptions() const {
  RunOptions options;
  const auto gauges = RunGauges();
  for (std::size_t i = 0; i < gauges.size(); ++i) options.*gauges[i].field = runGauges_[i]->Value();
  const auto checks = RunChecks();
  for (std::size_t i = 0; i < checks.size(); ++i)
    options.*checks[i].field = runChecks_[i]->isChecked();
  options.genre = combo1_->currentIndex();
  options.seedMode = customSeed_->isChecked() ? SeedMode::Custom : SeedMode::Clock;
  options.customSeedText = ToEngineText(customSeedBox_->text());
  options.clockBar = clockBar_->Value();
  options.moonBar = moonBar_->Value();
  options.season = combo2_->currentIndex();
  options.latitude = latitude_;
  return options;
}

void MainWindow::SetRunControlsEnabled(bool enabled) {
  for (QWidget* control : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(frame2_),
                           static_cast<QWidget*>(command1_), static_cast<QWidget*>(command5_),
                           static_cast<QWidget*>(command6_), static_cast<QWidget*>(command2_)}) {
    control->setEnabled(enabled);
  }
  roomManager_->SetRunning(!enabled);
}

void MainWindow::Command1_Click() {
  Guarded([this] {
    RunState& state = run_.State();
    const RunOptions options = ReadRunOptions();
    // A seed that cannot seed the run is refused before anything starts.
    if (const std::string problems = ValidateRunOptions(options); !problems.empty()) {
      host_->Message("Custom Seed", problems, MessageIcon::Critical, MessageButtons::Ok);
      return;
    }
    leftOutNotice_.BeforeRun(*host_, roomManager_->Table().leftOut);
    if (state.restartCountdown != kSkipConfirmation) {
      std::string text = "The creation will now begin! ";
      if (roomManager_->RoomTestMode()) {
        text +=
            "Note that you are in room test mode. One of your rooms have disabled the other "
            "rooms in it's type, that means that the room selected as testing will be the "
            "only one showing up. To reset this, press the restore button in the room "
            "manager.";
      }
      if (host_->Message("Continiune?", text, MessageIcon::None, MessageButtons::OkCancel) !=
          MessageAnswer::Ok) {
        return;
      }
    }
    // The player asked for this level already: a level generated again is not asked for.
    while (GenerateLevel(options)) {
    }
  });
}

bool MainWindow::GenerateLevel(const RunOptions& options) {
  host_->SetStatus("Reserving memory...");
  MrProg(*host_, 85);
  host_->Yield();
  const LocalTime now = clock_.Now();
  log_->Log("Process started at " + DateText(now) + " " + TimeText(now), false, true);
  // A piece of the maze that no room fits would end the run: the log says so first.
  for (const std::string& warning : CoverageWarnings(CoverageOf(roomManager_->Table(), options.genre))) {
    log_->Log("Warning: " + warning, false, true);
  }

  running_ = true;
  SetRunControlsEnabled(false);
  abortButton_->setVisible(true);
  host_->Yield();

  ApplySeed(options, random_);
  const RunOutcome outcome = run_.CompileMain(
      {options, roomManager_->Table(), dataFolder_, DefaultLevelPaths(programFolder_)});
  if (run_.Surface().ShowSurf() && !run_.Surface().Picture().Empty()) {
    testSurf_->ShowPicture(run_.Surface().Picture());
  }
  bool again = false;
  // A window closed during the run ends the program: nothing is compiled after that.
  if (outcome.end == RunEnd::Done && !exitStatus_) {
    // The abort button has nothing left to stop; the compile frame has its own exit.
    abortButton_->setVisible(false);
    const AfterCheck next = CheckLevel(outcome.levelFile, options);
    if (next == AfterCheck::Compile) CompileLevel(outcome.levelFile, options);
    again = next == AfterCheck::GenerateAgain;
  }
  running_ = false;
  abortButton_->setVisible(false);
  SetRunControlsEnabled(true);
  run_.State().abortRequested = false;
  MrProg(*host_, 0);
  if (outcome.end == RunEnd::RestartRequested) restartTimer_->start();
  return again && !exitStatus_;
}

void MainWindow::AbortButton_Click() { run_.State().abortRequested = true; }

void MainWindow::RestartTimer_Timer() {
  RunState& state = run_.State();
  --state.restartCountdown;
  QString status = statusLabel_->text();
  status.chop(4);
  statusLabel_->setText(status + QString::number(state.restartCountdown) + "...");
  if (state.restartCountdown > 0) return;
  state.restartCountdown = kSkipConfirmation;
  restartTimer_->stop();
  if (command1_->isEnabled()) Command1_Click();
}

void MainWindow::LogFile_Click() {
  log_->SetLogEnabled(findChild<QCheckBox*>("LogFile")->isChecked());
}

void MainWindow::DetStatus_Click() {
  log_->SetDetailedStatus(findChild<QCheckBox*>("DetStatus")->isChecked());
}

void MainWindow::CustomSeed_Click() { customSeedBox_->setEnabled(customSeed_->isChecked()); }

void MainWindow::Command2_Click() {
  RunOptions options = ReadRunOptions();
  SetRandomizedOptions(random_, options);
  const auto gauges = RunGauges();
  for (std::size_t i = 0; i < gauges.size(); ++i) runGauges_[i]->SetValue(options.*gauges[i].field);
}

}  // namespace vendrel::generator_ui
