#include <QCloseEvent>
#include <stdexcept>

#include "decimal_symbol.h"
#include "main_window.h"
#include "program_folder.h"
#include "progress.h"

namespace vendrel::generator_ui {

void MainWindow::Form_Load() {
  Guarded([this] {
    // Without a folder to write in, no log, level or account file could be kept.
    if (!FolderCanBeWritten(programFolder_)) {
      throw std::runtime_error(WritingFolderNote(installFolder_, programFolder_));
    }
    if (startUp_->ShowSplashOnce()) return;
    combo1_->setCurrentIndex(0);
    run_.Surface().SetShowSurf(false);
    log_->SetLogEnabled(true);
    latitude_ = 0;
    combo2_->setCurrentIndex(SeasonSetting().start);
    picture1_->DrawLatitudeLine(TwipsFromLatitude(latitude_));
    latitudBox_->setText(QString::number(latitude_) + QChar(0xB0));
    CalcSunAngle();
    accountFolder_.clear();
    userAccount_->setText("No account");
    const auto user = startUp_->StoredAccount();
    if (!user) return;
    accountFolder_ = startUp_->AccountFolder();
    userAccount_->setText(FromEngineText(*user));
    roomManager_->Categorize();
    SetCorrectPC(*log_);
    // The sun angle was shown before the decimal symbol was known.
    CalcSunAngle();
    MrProg(*host_, 0);
    host_->SetStatus("Ready...");
  });
}

void MainWindow::Form_Unload() {
  run_.State().abortRequested = true;
  restartTimer_->stop();
  // A compile tool still running is killed with its whole process group.
  if (compiling_) compileFrame_->Command3_Click();
  testSurf_->close();
  previewPanel_->LargeWindow().close();
  startUp_->Splash().hide();
  startUp_->AccountWindow().hide();
  startUp_->SteamWindow().hide();
  // A run in progress still logs on its way out; its log closes with the window, since a
  // closed log would be opened afresh and emptied.
  if (!running_) log_->Close();
  if (exitStatus_) return;
  exitStatus_ = 0;
  hide();
  endProgram(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
}

void MainWindow::Command5_Click() { startUp_->Command5_Click(); }

}  // namespace vendrel::generator_ui
