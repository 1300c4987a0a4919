#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>

#include "host.h"

namespace vendrel::startup {

// "Specify Steam Manually": the user points at the Steam folder by hand; a folder with both
// client files is remembered in "spath.idf".
class SteamPathWindow final : public QWidget {
 public:
  SteamPathWindow(Host& host, std::filesystem::path programFolder, QWidget* parent = nullptr);

  // After "spath.idf" was written and this window hidden: show the account window.
  std::function<void()> onSteamFolderChosen;
  // "Quit" or closing the window: end the application.
  std::function<void()> onQuit;

  // The folder list's open folder; changing it checks it.
  void SetFolder(const std::filesystem::path& folder);
  const std::filesystem::path& Folder() const { return folder_; }

  void CheckExist(bool Direct);
  void ChangeFoundMode(bool FoundMode);
  void Command1_Click();
  void Drive1_Change();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FillFolderList();
  void Dir1_Activated(QListWidgetItem* item);

  Host& host_;
  std::filesystem::path programFolder_;
  std::filesystem::path folder_;
  QComboBox* drive1_;
  QListWidget* dir1_;
  QPushButton* command1_;
  QLabel* label5_;
  std::array<QFrame*, 4> arrows_{};
  bool loaded_ = false;
};

}  // namespace vendrel::startup
