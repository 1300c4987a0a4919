#pragma once

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "user_accounts.h"

namespace vendrel::startup {

// "Select User Account": lists the accounts below the Steam folder, shows whether the game
// and the kit are installed in the selected one and stores the choice in "cindrpath.ini".
class CindrPathWindow final : public QWidget {
 public:
  CindrPathWindow(std::filesystem::path programFolder, std::filesystem::path winePrefix,
                  QWidget* parent = nullptr);

  // No Steam folder known: show the "Specify Steam Manually" window (this one hides).
  std::function<void()> onSteamFolderNeeded;
  // "OK / Start" wrote "cindrpath.ini" and hid this window: show the main window and run
  // its initialisation again.
  std::function<void(const std::string& accountFolder)> onAccountChosen;
  // Closing the window: end the application.
  std::function<void()> onQuit;

  void ReadUsers();
  void List1_Click();
  void Command1_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::filesystem::path programFolder_;
  std::filesystem::path winePrefix_;
  std::filesystem::path accountsFolder_;
  QListWidget* list1_;
  QCheckBox* check1_;
  QCheckBox* check2_;
  QCheckBox* check3_;
  QPushButton* command1_;
  AccountInstallation remembered_;
};

}  // namespace vendrel::startup
