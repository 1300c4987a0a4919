#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string_view>

#include "clock.h"
#include "kit_display.h"
#include "qt_window_host.h"
#include "random_source.h"

namespace vendrel::roomkit {

// The room kit's one window: pick a designer's map, check it and deploy it as a room
// file into `roomsFolder`, with the statistics of the room on show. `writingNote` says
// where the room files go when that is not beside the program; empty, nothing is said.
class KitWindow final : public QWidget, public KitDisplay {
 public:
  explicit KitWindow(std::filesystem::path roomsFolder, std::string_view writingNote = {},
                     QWidget* parent = nullptr);

  void Command1_Click();
  void Command2_Click();

  void Show(KitField field, std::string_view text) override;

 private:
  QLineEdit* StatisticsText(KitField field) const;
  // The room just checked, from above, so the designer sees what was judged.
  void ShowRoomPicture(const std::filesystem::path& mapFile);

  std::filesystem::path roomsFolder_;
  QLineEdit* text1_;
  QPushButton* command1_;
  QPushButton* command2_;
  QGroupBox* frame1_;
  QLineEdit* statistics_[std::size(kAllKitFields)];
  QProgressBar* progressBar1_;
  QLabel* status_;
  QtDialogs dialogs_{*this};
  std::unique_ptr<QtWindowHost> host_;
  QLabel* roomPicture_;
  SystemClock clock_;
  RandomSource random_{clock_};
};

}  // namespace vendrel::roomkit
