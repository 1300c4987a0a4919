#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "account_file.h"
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
// every box; a box with a standing answer for its title gets that one, other unscripted
// boxes get OK (or Yes), and an unscripted choice the last of its buttons.
class ScriptedDialogs final : public Dialogs {
 public:
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override {
    messages.push_back({std::string(title), std::string(text), icon, buttons});
    if (onMessage) onMessage(messages.back());
    if (const auto standing = standingAnswers.find(std::string(title));
        standing != standingAnswers.end()) {
      return standing->second;
    }
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
  std::size_t Choose(std::string_view title, std::string_view text, MessageIcon icon,
                     const std::vector<std::string>& buttons) override {
    messages.push_back({std::string(title), std::string(text), icon, MessageButtons::Ok});
    choiceButtons.push_back(buttons);
    if (onMessage) onMessage(messages.back());
    if (choices.empty()) return buttons.size() - 1;
    const std::size_t choice = choices.front();
    choices.pop_front();
    return choice;
  }

  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& message : messages) titles.push_back(message.title);
    return titles;
  }

  std::vector<RecordedMessage> messages;
  std::deque<MessageAnswer> answers;
  std::map<std::string, MessageAnswer> standingAnswers;
  std::vector<std::vector<std::string>> choiceButtons;
  std::deque<std::size_t> choices;
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

// An account folder with the game and the three tools, for start-up to find; the files
// that are there already (stand-ins that run) are kept.
inline void WriteAccount(const std::filesystem::path& account) {
  for (const char* file : {"cinderfall/cindr.exe", "sourcesdk/bin/vbsp.exe",
                           "sourcesdk/bin/vvis.exe", "sourcesdk/bin/vrad.exe"}) {
    if (std::filesystem::exists(account / file)) continue;
    std::filesystem::create_directories((account / file).parent_path());
    vendrel::testing::WriteFile(account / file, "MZ");
  }
}

// The main window on a temporary program folder with a fixed clock, scripted boxes and
// the program's end caught, started past its splash with a stored default account. The
// player leaves the compile stage at its first question unless a test says otherwise.
class WindowFixture : public ::testing::Test {
 protected:
  // Rooms are written before the window starts, so its first scan finds them.
  void Start(RandomSource& randomSource) {
    WriteAccount(account);
    ASSERT_TRUE(WriteAccountFile(program, {true, account.string()}));
    StartWithoutAccount(randomSource);
    ASSERT_TRUE(window->isVisible());
  }
  void Start() { Start(random); }
  // The first pass shows the splash, its timer the second.
  void StartWithoutAccount(RandomSource& randomSource) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    dialogs->standingAnswers = {{"Generating done!", MessageAnswer::Cancel},
                                {"Abort?", MessageAnswer::Yes}};
    window = std::make_unique<MainWindow>(WindowSetup{program, dataFolder, clock, randomSource,
                                                      std::move(scripted), folder / "prefix",
                                                      installFolder});
    window->endProgram = [this](int status) { ended = status; };
    window->Form_Load();
    window->StartUp().Splash().Timer1_Timer();
  }

  // By objectName; "Frame/Name" for a name that two frames use ("RunMapCheck").
  template <typename Widget>
  Widget* Find(const char* path) const {
    QObject* scope = window.get();
    const QStringList names = QString(path).split('/');
    for (qsizetype i = 0; i + 1 < names.size() && scope != nullptr; ++i) {
      scope = scope->findChild<QWidget*>(names[i]);
    }
    const auto found = scope ? scope->findChildren<Widget*>(names.back()) : QList<Widget*>();
    if (found.size() != 1) {
      ADD_FAILURE() << found.size() << " widgets " << path;
      return nullptr;
    }
    return found.front();
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
  std::filesystem::path Rooms() const { return RoomsFolder(program); }
  std::filesystem::path LevelFile() const { return program / "level1.vmf"; }

  // Calls `watch` at every yield of the event loop while `action` runs.
  void WhileYielding(const std::function<void()>& watch, const std::function<void()>& action) {
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, watch);
    timer.start();
    action();
  }

  vendrel::testing::TempFolder folder;
  vendrel::testing::TempFolder steam;
  // A test may move both before it starts the window.
  std::filesystem::path program = folder.Path();
  std::filesystem::path account = steam / "steamapps" / "player";
  std::filesystem::path dataFolder = kSpawnData;
  // The programs' own folder when it is not the one the window writes in.
  std::filesystem::path installFolder;
  vendrel::testing::FixedClock clock;
  RandomSource random{clock};
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
  std::optional<int> ended;
};

}  // namespace vendrel::generator_ui::testing
