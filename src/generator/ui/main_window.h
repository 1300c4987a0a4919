#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "compile_frame.h"
#include "compile_main.h"
#include "dialogs.h"
#include "gradomat.h"
#include "left_out_rooms_notice.h"
#include "level_preview_panel.h"
#include "progress_picture.h"
#include "qt_window_host.h"
#include "room_manager.h"
#include "start_up_flow.h"
#include "sun_position.h"
#include "test_surf_window.h"
#include "wine_registry.h"
#include "world_map.h"

namespace vendrel::generator_ui {

// What the window runs on: the program folder it writes in, the folder of the spawn data
// files, the clock and the random source, the boxes (real ones when left out), the Wine
// prefix whose registry may name the Steam folder, and the folder the programs are in when
// that is not the one the window writes in (an installed folder the user cannot write).
struct WindowSetup {
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
  const Clock& clock;
  RandomSource& random;
  std::unique_ptr<Dialogs> dialogs;
  std::filesystem::path winePrefix = WinePrefix();
  std::filesystem::path installFolder = {};
};

// The generator's main window: the settings, the time of day, the generate and abort
// buttons, the status and progress, the room manager panel, the picture of the last level
// and the compile frame. Every handler turns a click into engine calls and shows what the
// engine reports; an engine error ends the program in order through EndProgram.
class MainWindow final : public QWidget {
 public:
  static constexpr const char* kCaption = "Vendrel 0.9.34";
  static constexpr const char* kTestModeCaption = " - Room Test Mode: ON";

  explicit MainWindow(WindowSetup setup, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The first pass shows the splash and hides the window; the pass its timer starts sets
  // the start values and takes the stored account (else shows the account window), scans
  // the rooms, reads the decimal symbol and says "Ready...".
  void Form_Load();
  // Closes the log and every window of the program, and ends it.
  void Form_Unload();

  void Command1_Click();
  void AbortButton_Click();
  void RestartTimer_Timer();
  void LogFile_Click();
  void DetStatus_Click();
  void CustomSeed_Click();
  void Command2_Click();
  void ClockBar_Change();
  void MoonBar_Change();
  void Combo2_Click();
  void Picture1_MouseDown(double yTwips);
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  // Developer entry points, reached only by hidden shortcuts.
  void Make100Maps();
  void DEBUG_PrintOut_Roomlines();

  // The settings as the controls hold them.
  RunOptions ReadRunOptions() const;
  const SunValues& Sun() const { return sun_; }
  int Latitude() const { return latitude_; }
  RunState& State() { return run_.State(); }
  const LogService& Log() const { return *log_; }
  const RoomManager& Rooms() const { return *roomManager_; }
  const std::filesystem::path& AccountFolder() const { return accountFolder_; }
  startup::StartUpFlow& StartUp() { return *startUp_; }
  LevelPreviewPanel& Preview() const { return *previewPanel_; }
  // Set once the program has ended: the exit status it ended with.
  std::optional<int> ExitStatus() const { return exitStatus_; }

  // Ends the event loop; tests replace it.
  std::function<void(int status)> endProgram;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a handler so that no exception leaves it: an engine error has shown its boxes
  // and ends the program; any other error is shown and ends it as well.
  void Guarded(const std::function<void()>& handler);
  void EndProgram(int status);
  void CalcSunAngle();
  void SetRunControlsEnabled(bool enabled);
  void ShowRoomManager(bool show);
  enum class AfterCheck { Compile, GenerateAgain, LeaveUncompiled };
  // The written level read back, checked and drawn into the preview panel; a level that
  // fails the check is compiled only when the player says so.
  AfterCheck CheckLevel(const std::filesystem::path& levelFile, const RunOptions& options);
  // The compile stage after "Done!"; a started game ends the program.
  void CompileLevel(const std::filesystem::path& levelFile, const RunOptions& options);
  // One generation run and its compile stage; true when another run is to follow.
  bool GenerateLevel(const RunOptions& options);
  QWidget* BuildSettings();
  QWidget* BuildTimeFrames();
  void BuildShortcuts();

  std::filesystem::path programFolder_;
  std::filesystem::path installFolder_;
  std::filesystem::path dataFolder_;
  const Clock& clock_;
  RandomSource& random_;
  std::unique_ptr<Dialogs> dialogs_;
  QLabel* statusLabel_;
  QLabel* writingFolderNote_;
  ProgressPicture* progg_;
  std::unique_ptr<QtWindowHost> host_;
  std::unique_ptr<LogService> log_;
  Engine engine_;
  GenerationRun run_;
  std::unique_ptr<startup::StartUpFlow> startUp_;

  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QWidget* settings_ = nullptr;
  RoomManager* roomManager_ = nullptr;
  startup::CompileFrame* compileFrame_ = nullptr;
  LevelPreviewPanel* previewPanel_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command5_ = nullptr;
  QPushButton* command6_ = nullptr;
  QPushButton* abortButton_ = nullptr;
  QLabel* userAccount_ = nullptr;
  std::vector<Gradomat*> runGauges_;
  std::vector<QCheckBox*> runChecks_;
  QComboBox* combo1_ = nullptr;
  QCheckBox* customSeed_ = nullptr;
  QLineEdit* customSeedBox_ = nullptr;
  Gradomat* clockBar_ = nullptr;
  Gradomat* moonBar_ = nullptr;
  QLineEdit* bigTimerBox_ = nullptr;
  QLabel* moonBox_ = nullptr;
  QComboBox* combo2_ = nullptr;
  WorldMap* picture1_ = nullptr;
  QLineEdit* latitudBox_ = nullptr;
  QLineEdit* sunAngleBox_ = nullptr;
  TestSurfWindow* testSurf_ = nullptr;
  QTimer* restartTimer_;
  LeftOutRoomsNotice leftOutNotice_;

  int latitude_ = 0;
  SunValues sun_;
  std::filesystem::path accountFolder_;
  bool running_ = false;
  bool compiling_ = false;
  std::optional<int> exitStatus_;
};

}  // namespace vendrel::generator_ui
