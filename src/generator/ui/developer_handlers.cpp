#include "debug_printout.h"
#include "main_window.h"
#include "map_format_error.h"
#include "maze_batch.h"
#include "room_file.h"

namespace vendrel::generator_ui {

void MainWindow::Make100Maps() {
  if (running_) return;
  // With a custom seed the batch repeats, as a run does.
  const RunOptions options = ReadRunOptions();
  if (ValidateRunOptions(options).empty()) {
    ApplySeed(options, random_);
    random_.StartRun();
  }
  running_ = true;
  SetRunControlsEnabled(false);
  MazeBatch batch;
  batch.folder = programFolder_ / "Maps";
  vendrel::Make100Maps(engine_, run_.Surface(), batch, [this](const MadeMaze&) {
    testSurf_->ShowPicture(run_.Surface().Picture());
    host_->Yield();
  });
  SetRunControlsEnabled(true);
  running_ = false;
}

void MainWindow::DEBUG_PrintOut_Roomlines() {
  const RoomTable& table = roomManager_->Table();
  const int selected = roomManager_->findChild<QListWidget*>("RoomList")->currentRow();
  if (selected < 0 || static_cast<std::size_t>(selected) >= table.RoomCount()) return;
  try {
    const Items room = ReadRoomBody(table.rows[static_cast<std::size_t>(selected)].File());
    const auto written = generator_ui::DEBUG_PrintOut_Roomlines(room);
    host_->SetStatus("Room text written to " + written.string());
  } catch (const std::exception& error) {
    host_->Message("DEBUG_PrintOut_Roomlines", error.what(), MessageIcon::Critical,
                   MessageButtons::Ok);
  }
}

}  // namespace vendrel::generator_ui
