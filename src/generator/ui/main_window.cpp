#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>
#include <string>

#include "map_error.h"
#include "named_controls.h"
#include "program_folder.h"
#include "progress.h"

namespace vendrel::generator_ui {

MainWindow::MainWindow(WindowSetup setup, QWidget* parent)
    : QWidget(parent),
      programFolder_(std::move(setup.programFolder)),
      installFolder_(setup.installFolder.empty() ? programFolder_ : std::move(setup.installFolder)),
      dataFolder_(std::move(setup.dataFolder)),
      clock_(setup.clock),
      random_(setup.random),
      dialogs_(setup.dialogs ? std::move(setup.dialogs) : std::make_unique<QtDialogs>(*this)),
      statusLabel_(new QLabel(this)),
      writingFolderNote_(new QLabel(this)),
      progg_(new ProgressPicture(this)),
      host_(std::make_unique<QtWindowHost>(
          *statusLabel_, [this](double percent) { progg_->MrProg(percent); }, *dialogs_)),
      log_(std::make_unique<LogService>(*host_, clock_, programFolder_)),
      engine_{*host_, clock_, random_, *log_, programFolder_},
      run_(engine_),
      startUp_(std::make_unique<startup::StartUpFlow>(
          *host_, programFolder_, std::move(setup.winePrefix),
          startup::MainWindowHooks{[this] { show(); }, [this] { hide(); },
                                   [this] { Form_Load(); }, [this] { Form_Unload(); }})) {
  setObjectName("MainWindow");
  setWindowTitle(kCaption);
  endProgram = [](int status) { QCoreApplication::exit(status); };
  statusLabel_->setObjectName("StatusLabel");
  statusLabel_->setAccessibleName("Status");

  writingFolderNote_->setObjectName("WritingFolderNote");
  writingFolderNote_->setAccessibleName("Writing folder");
  writingFolderNote_->setWordWrap(true);
  writingFolderNote_->setText(
      FromEngineText(WritingFolderNote(installFolder_, programFolder_)));
  writingFolderNote_->setVisible(!writingFolderNote_->text().isEmpty());

  roomManager_ = new RoomManager(engine_, installFolder_ / "vendrelsdk", this);
  roomManager_->setVisible(false);
  roomManager_->runHandler = [this](const std::function<void()>& handler) { Guarded(handler); };
  roomManager_->onClose = [this] { ShowRoomManager(false); };
  roomManager_->onTestModeChanged = [this](bool on) {
    QString caption = windowTitle();
    if (on) {
      caption += kTestModeCaption;
    } else {
      caption.chop(static_cast<qsizetype>(std::char_traits<char>::length(kTestModeCaption)));
    }
    setWindowTitle(caption);
  };
  testSurf_ = new TestSurfWindow(this);
  compileFrame_ = new startup::CompileFrame(this);
  // Shown over the settings, which must not show through.
  compileFrame_->setAutoFillBackground(true);
  previewPanel_ = new LevelPreviewPanel(this);

  settings_ = new QWidget(this);
  auto* settingsLayout = new QHBoxLayout(settings_);
  settingsLayout->setContentsMargins(0, 0, 0, 0);
  settingsLayout->addWidget(BuildSettings(), 1);
  settingsLayout->addWidget(BuildTimeFrames(), 1);

  command1_ = NamedButton("Command1", "Generate Map", this);
  command5_ = NamedButton("Command5", "Change Account", this);
  command6_ = NamedButton("Command6", "Launch Room Manager", this);
  abortButton_ = NamedButton("AbortButton", "ABORT!", this);
  abortButton_->setVisible(false);
  userAccount_ = new QLabel(this);
  userAccount_->setObjectName("UserAccount");
  userAccount_->setAccessibleName("Account");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addWidget(abortButton_);
  buttons->addStretch(1);
  buttons->addWidget(userAccount_);
  buttons->addWidget(command5_);
  buttons->addWidget(command6_);

  auto* panels = new QGridLayout;
  panels->addWidget(settings_, 0, 0);
  panels->addWidget(roomManager_, 0, 0);
  panels->addWidget(compileFrame_, 0, 0);
  panels->addWidget(previewPanel_, 0, 1);
  panels->setColumnStretch(0, 1);
  auto* status = new QHBoxLayout;
  status->addWidget(progg_);
  status->addWidget(statusLabel_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panels, 1);
  layout->addWidget(writingFolderNote_);
  layout->addLayout(buttons);
  layout->addLayout(status);

  restartTimer_ = new QTimer(this);
  restartTimer_->setObjectName("RestartTimer");
  restartTimer_->setInterval(1000);
  connect(restartTimer_, &QTimer::timeout, this,
          [this] { Guarded([this] { RestartTimer_Timer(); }); });
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(abortButton_, &QPushButton::clicked, this, [this] { AbortButton_Click(); });
  connect(command5_, &QPushButton::clicked, this,
          [this] { Guarded([this] { Command5_Click(); }); });
  connect(command6_, &QPushButton::clicked, this,
          [this] { Guarded([this] { Command6_Click(); }); });
  BuildShortcuts();
  resize(1260, 740);
}

MainWindow::~MainWindow() {
  // The panel goes first: its list may still report a selection as it is torn down, and
  // its handlers reach the engine, which the members below take with them.
  delete roomManager_;
  log_->Close();
}

void MainWindow::BuildShortcuts() {
  auto* mazes = new QShortcut(QKeySequence("Ctrl+Alt+Shift+M"), this);
  mazes->setObjectName("Make100MapsShortcut");
  connect(mazes, &QShortcut::activated, this, [this] { Guarded([this] { Make100Maps(); }); });
  auto* roomLines = new QShortcut(QKeySequence("Ctrl+Alt+Shift+P"), this);
  roomLines->setObjectName("PrintOutRoomlinesShortcut");
  connect(roomLines, &QShortcut::activated, this,
          [this] { Guarded([this] { DEBUG_PrintOut_Roomlines(); }); });
}

void MainWindow::Guarded(const std::function<void()>& handler) {
  if (exitStatus_) return;
  try {
    handler();
  } catch (const MapErrorExit&) {
    EndProgram(1);
  } catch (const std::exception& error) {
    host_->Message("Error!", std::string("Vendrel stopped: ") + error.what(), MessageIcon::Critical,
                   MessageButtons::Ok);
    EndProgram(1);
  }
}

void MainWindow::EndProgram(int status) {
  exitStatus_ = status;
  restartTimer_->stop();
  run_.State().abortRequested = true;
  log_->Close();
  testSurf_->hide();
  hide();
  endProgram(status);
}

void MainWindow::Command6_Click() {
  roomManager_->Launch();
  ShowRoomManager(true);
}

void MainWindow::ShowRoomManager(bool show) {
  roomManager_->setVisible(show);
  settings_->setVisible(!show);
}

}  // namespace vendrel::generator_ui
