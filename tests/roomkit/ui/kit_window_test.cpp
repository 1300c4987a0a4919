#include "kit_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "temp_folder.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace vendrel::roomkit {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using vendrel::testing::ReadFile;
using vendrel::testing::TempFolder;
using vendrel::testing::WriteFile;

const std::filesystem::path kFixtures = VENDREL_ROOMKIT_FIXTURES;

QApplication& App() {
  static int argc = 1;
  static char name[] = "kit_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// Answers the modal dialogs the window opens, as a designer at the screen would, and
// writes down what they said.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(const KitWindow& window) : window_(window) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
    timer_.start();
  }

  std::deque<QMessageBox::StandardButton> boxAnswers;  // unscripted boxes get Yes or OK
  std::deque<QString> textAnswers;                     // unscripted questions keep the default
  std::function<void(QFileDialog&)> fileDialog;
  std::vector<std::pair<QString, QString>> boxes;  // title, text
  std::vector<QString> questions;
  std::vector<bool> goEnabledDuringDialogs;

 private:
  void AnswerOpenDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    goEnabledDuringDialogs.push_back(window_.findChild<QPushButton*>("Command2")->isEnabled());
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes.emplace_back(box->windowTitle(), box->text());
      QMessageBox::StandardButton answer =
          box->button(QMessageBox::Yes) != nullptr ? QMessageBox::Yes : QMessageBox::Ok;
      if (!boxAnswers.empty()) {
        answer = boxAnswers.front();
        boxAnswers.pop_front();
      }
      box->button(answer)->click();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
      questions.push_back(input->labelText());
      if (!textAnswers.empty()) {
        input->setTextValue(textAnswers.front());
        textAnswers.pop_front();
      }
      input->accept();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      fileDialog(*files);
    }
  }

  const KitWindow& window_;
  QTimer timer_;
};

class KitWindowTest : public ::testing::Test {
 protected:
  template <typename Widget>
  Widget* Find(const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
  void Go(const std::filesystem::path& map) {
    Find<QLineEdit>("Text1")->setText(QString::fromStdString(map.string()));
    Find<QPushButton>("Command2")->click();
  }

  QApplication& app = App();
  TempFolder temp;
  KitWindow window{temp / "rooms"};
};

TEST_F(KitWindowTest, StartsWithTheCaptionsAndStartTexts) {
  EXPECT_EQ(window.windowTitle(), "Quilla RDK for Vendrel 0.9.3");
  EXPECT_EQ(Text("Text1"), "");
  EXPECT_EQ(Find<QPushButton>("Command1")->text(), "Browse");
  EXPECT_EQ(Find<QPushButton>("Command2")->text(), "GO!");
  EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "Statistics");
  EXPECT_EQ(Text("Text2"), "0 bytes");
  EXPECT_EQ(Text("Text3"), "0 bytes");
  EXPECT_EQ(Text("Text4"), "Unknown");
  for (const char* count : {"Text5", "Text6", "Text7", "Text8"}) EXPECT_EQ(Text(count), "0");
  EXPECT_EQ(Text("Text9"), "Unknown");
  EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->value(), 0);
  EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->maximum(), 100);
  EXPECT_EQ(Find<QLabel>("Status")->text(), "Status: Ready");
  QStringList captions;
  for (const QLabel* label : window.findChildren<QLabel*>()) captions << label->text();
  for (const char* caption : {"Valve Map File (.vmf) path:", "Start by Selecting your room:",
                              "VMF File Size:", "RGR File Size:", "Room Name:", "Solids:",
                              "Entitys:", "Sides:", "Connections:", "Room Type:"}) {
    EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;
  }
}

TEST_F(KitWindowTest, SaysWhereRoomFilesGoOnlyWhenTheyGoElsewhere) {
  EXPECT_FALSE(Find<QLabel>("WritingFolderNote")->isVisibleTo(&window));
  const KitWindow installed(temp / "rooms", "/opt/vendrel cannot be written; room files go to /home");
  const auto* note = installed.findChild<QLabel*>("WritingFolderNote");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isVisibleTo(&installed));
  EXPECT_EQ(note->text(), "/opt/vendrel cannot be written; room files go to /home");
  EXPECT_EQ(note->accessibleName(), "Writing folder");
}

TEST_F(KitWindowTest, BrowsePutsTheChosenMapIntoTheTextAndCancelLeavesIt) {
  const QString fixture = QString::fromStdString((kFixtures / "alley_west.vmf").string());
  DialogAnswerer answerer(window);
  QStringList filters;
  answerer.fileDialog = [&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    dialog.selectFile(fixture);
    QMetaObject::invokeMethod(&dialog, "accept");
  };
  Find<QPushButton>("Command1")->click();
  EXPECT_EQ(filters, QStringList{"Valve Map Files (.vmf) (*.vmf)"});
  EXPECT_EQ(Text("Text1"), fixture);

  answerer.fileDialog = [](QFileDialog& dialog) { dialog.reject(); };
  Find<QPushButton>("Command1")->click();
  EXPECT_EQ(Text("Text1"), fixture);
}

TEST_F(KitWindowTest, GoDeploysTheMapIntoTheRoomsFolderAndShowsItsStatistics) {
  DialogAnswerer answerer(window);
  answerer.textAnswers = {"Turned twice", "Tester"};
  Go(kFixtures / "turn_south_west.vmf");

  const std::filesystem::path roomFile = temp / "rooms" / "BendTest.rgr";
  ASSERT_TRUE(std::filesystem::exists(roomFile));
  EXPECT_THAT(answerer.questions,
              ElementsAre("Add comments?", "Your Name or Nickname: (No Comments!)"));
  EXPECT_THAT(answerer.boxes,
              ElementsAre(Pair("Complete!", QString::fromStdString(
                                                "Done! Your room is now located and named at: " +
                                                roomFile.string() + " Thank you!"))));
  EXPECT_THAT(answerer.goEnabledDuringDialogs, ::testing::Each(false));
  EXPECT_THAT(ReadFile(roomFile), ::testing::HasSubstr("\r\n Turned twice \r\n Tester \r\n"));
  EXPECT_EQ(
      Text("Text2"),
      QString::number(std::filesystem::file_size(kFixtures / "turn_south_west.vmf")) + " bytes");
  EXPECT_EQ(Text("Text3"), QString::number(std::filesystem::file_size(roomFile)) + " bytes");
  EXPECT_EQ(Text("Text4"), "Bend Test");
  EXPECT_EQ(Text("Text5"), "3");
  EXPECT_EQ(Text("Text6"), "6");
  EXPECT_EQ(Text("Text7"), "18");
  EXPECT_EQ(Text("Text8"), "2");
  EXPECT_EQ(Text("Text9"), "Turn");
  EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->value(), 0);
  EXPECT_EQ(Find<QLabel>("Status")->text(), "Status: Done!");
  EXPECT_TRUE(Find<QPushButton>("Command2")->isEnabled());
}

TEST_F(KitWindowTest, AFaultShowsItsTwoBoxesAndGoIsEnabledAgain) {
  std::string map = ReadFile(kFixtures / "alley_west.vmf");
  map.replace(map.find("\"roomtype\" \"4\""), 14, "\"roomtype\" \"0\"");
  WriteFile(temp / "misfit.vmf", map);
  DialogAnswerer answerer(window);
  Go(temp / "misfit.vmf");

  ASSERT_EQ(answerer.boxes.size(), 2u);
  EXPECT_EQ(answerer.boxes[0].first, "Warning!");
  EXPECT_TRUE(
      answerer.boxes[0].second.startsWith("There's a problem with this room: misfit.vmf: Your quilla_info"));
  EXPECT_EQ(answerer.boxes[1],
            std::make_pair(QString("RDK"), QString("Please, fix this error and try again!")));
  EXPECT_EQ(Find<QLabel>("Status")->text(), "Status: Error occoured!");
  EXPECT_EQ(Text("Text9"), "Two Way");
  EXPECT_TRUE(Find<QPushButton>("Command2")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms"));
}

// Deployed or faulted, the designer sees the room that was checked; a map that cannot be
// read says so in the picture's place.
TEST_F(KitWindowTest, ShowsTheRoomItJustChecked) {
  auto* picture = Find<QLabel>("RoomPicture");
  EXPECT_EQ(picture->accessibleName(), "Room picture");
  EXPECT_TRUE(picture->pixmap().isNull());
  DialogAnswerer answerer(window);
  Go(kFixtures / "turn_south_west.vmf");
  ASSERT_FALSE(picture->pixmap().isNull());
  EXPECT_LE(std::max(picture->pixmap().width(), picture->pixmap().height()), 480);

  Go(temp / "missing.vmf");
  EXPECT_TRUE(picture->pixmap().isNull());
  EXPECT_TRUE(picture->text().startsWith("The room could not be drawn: ")) << picture->text().toStdString();
}

TEST_F(KitWindowTest, ANoEndsTheDeploymentAndGoIsEnabledAgain) {
  std::string map = ReadFile(kFixtures / "alley_west.vmf");
  map.replace(map.find("light_spot"), 10, "info_target");
  WriteFile(temp / "dark.vmf", map);
  DialogAnswerer answerer(window);
  answerer.boxAnswers = {QMessageBox::No};
  Go(temp / "dark.vmf");

  EXPECT_THAT(
      answerer.boxes,
      ElementsAre(Pair("No Lights", "Your map has no lights! Do you want to continiune anyway?")));
  EXPECT_EQ(Find<QLabel>("Status")->text(), "Status: Scanning... please wait!");
  EXPECT_TRUE(Find<QPushButton>("Command2")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms"));
}

// The first bytes of a file, without reading a large one whole.
std::string Head(const std::filesystem::path& file) {
  std::string head(4096, '\0');
  std::ifstream in(file, std::ios::binary);
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

// A designer's map that cannot be a room: a box names the file without quoting more than a
// line of it, nothing is deployed, and the map stays as it was.
struct BrokenMap {
  std::string name;
  std::function<void(std::string& map, const std::filesystem::path& file)> damage;
};

class KitWindowBrokenMaps : public KitWindowTest, public ::testing::WithParamInterface<BrokenMap> {};

TEST_P(KitWindowBrokenMaps, AreNamedInABoxAndDeployNothing) {
  const std::filesystem::path file = temp / "broken.vmf";
  std::string map = ReadFile(kFixtures / "alley_west.vmf");
  GetParam().damage(map, file);
  if (!std::filesystem::exists(file)) WriteFile(file, map);
  const auto sizeBefore = std::filesystem::file_size(file);
  const std::string headBefore = Head(file);

  DialogAnswerer answerer(window);
  Go(file);

  bool named = false;
  for (const auto& [title, text] : answerer.boxes) {
    named = named || text.contains("broken.vmf");
    EXPECT_LE(text.size(), 400) << title.toStdString() << ": " << text.toStdString();
  }
  EXPECT_TRUE(named) << "no box named the map";
  EXPECT_EQ(Find<QLabel>("Status")->text(), "Status: Error occoured!");
  EXPECT_TRUE(Find<QPushButton>("Command2")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(temp / "rooms"));
  EXPECT_EQ(std::filesystem::file_size(file), sizeBefore);
  EXPECT_EQ(Head(file), headBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KitWindowBrokenMaps,
    ::testing::Values(
        BrokenMap{"UnbalancedBraces",
                  [](std::string& map, const std::filesystem::path&) {
                    map.erase(map.find("}\r\n", map.find("solid")), 3);
                  }},
        BrokenMap{"NoWorld",
                  [](std::string& map, const std::filesystem::path&) {
                    map.replace(map.find("world\r\n"), 5, "plain");
                  }},
        BrokenMap{"LargerThanARoomMayBe",
                  [](std::string& map, const std::filesystem::path& file) {
                    // Sparse: as large as 200,000 brushes would make it, at no cost.
                    WriteFile(file, map);
                    std::filesystem::resize_file(file, std::uintmax_t{338'000'000});
                  }}),
    [](const ::testing::TestParamInfo<BrokenMap>& param) { return param.param.name; });

}  // namespace
}  // namespace vendrel::roomkit
