#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <filesystem>
#include <functional>

#include "engine.h"
#include "room_table.h"

namespace vendrel::generator_ui {

// `RoomManagerFrame`: browse the room library, read a room's details (and why the run
// leaves it out, if it does) and its genre's coverage, delete a room file, start the room kit, and switch room
// test mode, which leaves the chosen room the only one of its type.
class RoomManager final : public QGroupBox {
 public:
  // The room kit is the program kitProgram.
  RoomManager(const Engine& engine, std::filesystem::path kitProgram, QWidget* parent = nullptr);

  // The scan and the list the main window starts with; MapError ends the scan for a
  // corrupt room file.
  void Categorize();
  // A run holds "Test This Room" disabled; afterwards the list decides again.
  void SetRunning(bool running);
  const RoomTable& Table() const { return table_; }
  bool RoomTestMode() const { return roomTestMode_; }

  // What "Launch Room Manager" does: rescan unless room test mode holds its blocks.
  void Launch();

  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void RoomList_Click();

  // Runs each handler; the main window's guard ends the program in order on an error.
  std::function<void(const std::function<void()>& handler)> runHandler =
      [](const std::function<void()>& handler) { handler(); };
  std::function<void(bool on)> onTestModeChanged;
  std::function<void()> onClose;
  // Starts a program without waiting; false when it cannot be started.
  std::function<bool(const std::filesystem::path& program)> startProgram;

 private:
  void RefreshRoomList();
  void ShowDetails(int entry);
  // The "Coverage" view: what a run of the genre can ask for against the rooms that fit,
  // as the table stands, so blocks of room test mode count.
  void ShowCoverage(long long genre);
  // The room from above, or why it cannot be drawn.
  void ShowPicture(const std::filesystem::path& roomFile);
  // The button's caption, the picture and the window's caption follow the mode.
  void SetRoomTestMode(bool on);
  // "Test This Room", "Delete This Room" and their pictures: usable only with rooms listed.
  std::array<QWidget*, 4> RoomButtons() const;

  const Engine& engine_;
  std::filesystem::path kitProgram_;
  std::filesystem::path roomsFolder_;
  RoomTable table_;
  bool roomTestMode_ = false;

  QListWidget* roomList_;
  QLabel* roomName_;
  QLabel* roomType_;
  QLabel* genre_;
  QLabel* size_;
  QLabel* author_;
  QLabel* description_;
  QLabel* problem_;
  QPlainTextEdit* coverage_;
  QLabel* picture_;
  QPushButton* command7_;
  QPushButton* command8_;
  QLabel* picture3_;
  QLabel* picture4_;
};

}  // namespace vendrel::generator_ui
