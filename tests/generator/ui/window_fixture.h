#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "categorize.h"
#include "fixed_clock.h"
#include "main_window.h"
#include "recording_host.h"
#include "room_fixtures.h"
#include "temp_folder.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace vendrel::generator_ui::testing {

using vendrel::testing::RecordedMessage;

// Answers the window's boxes from a script, as a player at the screen would, and keeps
// every box; unscripted boxes get OK (or Yes).
class ScriptedDialogs final : public Dialogs {
 public:
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override {
    messages.push_back({std::string(title), std::string(text), icon, buttons});
    if (onMessage) onMessage(messages.back());
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
  std::optional<std::string> Ask(std::string_view, std::string_view,
                                 std::string_view defaultText) override {
    return std::string(defaultText);
  }

  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& message : messages) titles.push_back(message.title);
    return titles;
  }

  std::vector<RecordedMessage> messages;
  std::deque<MessageAnswer> answers;
  std::function<void(const RecordedMessage&)> onMessage;
};

inline const std::filesystem::path kSpawnData = VENDREL_SPAWN_DATA;

// One room of every type with connectors of size 1 and a start room: enough for a level.
inline void WriteSmallLibrary(const std::filesystem::path& rooms, int halfWidth = 256,
                              int brushes = 1) {
  vendrel::testing::WriteFixtureRoom(rooms, {"start", 5, {1, 0, 0, 0}, 0, halfWidth, brushes});
  for (const int type : {0, 1, 2, 3, 4, 6}) {
    vendrel::testing::WriteFixtureRoom(
        rooms, {"type" + std::to_string(type), type, {1, 1, 1, 1}, 0, halfWidth, brushes});
  }
}

// The main window on a temporary program folder with a fixed clock, scripted boxes and
// the program's end caught.
class WindowFixture : public ::testing::Test {
 protected:
  // Rooms are written before the window starts, so its first scan finds them.
  void Start(RandomSource& randomSource) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(
        WindowSetup{folder.Path(), kSpawnData, clock, randomSource, std::move(scripted)});
    window->endProgram = [this](int status) { ended = status; };
    window->Form_Load();
    window->show();
  }
  void Start() { Start(random); }

  template <typename Widget>
  Widget* Find(const char* name) const {
    auto* widget = window->findChild<Widget*>(name);
    if (widget == nullptr) ADD_FAILURE() << "no widget " << name;
    return widget;
  }
  // The text a label, box, button or frame shows.
  QString Text(const char* name) const {
    QWidget* widget = Find<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
    ADD_FAILURE() << name << " shows no text";
    return {};
  }
  std::filesystem::path Rooms() const { return RoomsFolder(folder.Path()); }
  std::filesystem::path LevelFile() const { return folder / "level1.vmf"; }

  // Calls `watch` at every yield of the event loop while `action` runs.
  void WhileYielding(const std::function<void()>& watch, const std::function<void()>& action) {
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, watch);
    timer.start();
    action();
  }

  vendrel::testing::TempFolder folder;
  vendrel::testing::FixedClock clock;
  RandomSource random{clock};
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
  std::optional<int> ended;
};

}  // namespace vendrel::generator_ui::testing
