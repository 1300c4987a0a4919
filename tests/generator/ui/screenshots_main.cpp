// Takes the README's pictures of the generator's windows on a real display (run it under
// Xvfb): the splash, the main window, the room manager, the time-of-day frames, a run under
// way, the level preview and the compile frame. It runs on a copy of the program folder it
// is given, with an account whose compile tools are stand-ins that wait to be stopped.
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "account_file.h"
#include "clock.h"
#include "main_window.h"
#include "random_source.h"

namespace {

void WriteStandIn(const std::filesystem::path& file, const char* body) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "#!/bin/sh\n" << body;
  chmod(file.c_str(), 0755);
}

void Settle() {
  for (int i = 0; i < 200; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc != 3) {
    std::cerr << "usage: generator_ui_screenshots PROGRAM_FOLDER OUT_FOLDER\n";
    return 2;
  }
  const QString out = argv[2];
  QTemporaryDir temporary;
  const std::filesystem::path root = temporary.path().toStdString();
  const std::filesystem::path programFolder = root / "program";
  std::filesystem::create_directories(programFolder);
  for (const char* item : {"rooms", "itemdata.ini", "gundata.ini", "npcdata.ini"}) {
    std::filesystem::copy(std::filesystem::path(argv[1]) / item, programFolder / item,
                          std::filesystem::copy_options::recursive);
  }
  const std::filesystem::path account = root / "Steam" / "steamapps" / "player";
  WriteStandIn(account / "cinderfall" / "cindr.exe", "exit 0\n");
  for (const char* tool : {"vbsp.exe", "vvis.exe", "vrad.exe"}) {
    WriteStandIn(account / "sourcesdk" / "bin" / tool, "sleep 60\n");
  }
  vendrel::WriteAccountFile(programFolder, {true, account.string()});

  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  vendrel::generator_ui::MainWindow window(
      {programFolder, programFolder, clock, random, nullptr, root / "prefix"});
  window.endProgram = [](int status) { QApplication::exit(status); };
  window.Form_Load();
  if (window.ExitStatus()) return *window.ExitStatus();
  Settle();
  window.StartUp().Splash().grab().save(out + "/splash.png");
  window.StartUp().Splash().Timer1_Timer();

  QTimer::singleShot(500, [&] {
    Settle();
    window.Picture1_MouseDown(vendrel::generator_ui::TwipsFromLatitude(52));
    Settle();
    window.grab().save(out + "/main_window.png");
    window.findChild<QWidget*>("Frame2")->grab().save(out + "/time_frames.png");
    window.findChild<QPushButton*>("Command6")->click();
    auto* rooms = window.findChild<QListWidget*>("RoomList");
    rooms->setCurrentItem(rooms->findItems("PillarPlaza.rgr", Qt::MatchExactly).value(0));
    Settle();
    window.grab().save(out + "/room_manager.png");
    window.findChild<QPushButton*>("Command10")->click();
    window.findChild<QCheckBox*>("CustomSeed")->setChecked(true);
    window.findChild<QLineEdit*>("CustomSeedBox")->setText("1");
    window.findChild<vendrel::Gradomat*>("MapSizeBar")->SetValue(35);
    // The run yields to the event loop; each picture is taken at one of its yields, and
    // each box is answered as a player would.
    QTimer during;
    during.setInterval(0);
    bool generating = false;
    bool compiling = false;
    QObject::connect(&during, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        if (box->windowTitle() == "Generating done!") {
          window.grab().save(out + "/level_preview.png");
          window.Preview().Enlarge();
          Settle();
          window.Preview().LargeWindow().grab().save(out + "/level_preview_window.png");
          window.Preview().LargeWindow().close();
        }
        if (auto* ok = box->button(QMessageBox::Ok)) ok->click();
        return;
      }
      auto* status = window.findChild<QLabel*>("StatusLabel");
      if (!generating && status->text().startsWith("Generating room 12")) {
        window.grab().save(out + "/generating.png");
        generating = true;
      }
      auto* frame = window.findChild<QWidget*>("CompileFrame");
      if (!compiling && frame->isVisible() && status->text().startsWith("Running BSP")) {
        Settle();
        window.grab().save(out + "/compile_frame.png");
        compiling = true;
        frame->findChild<QPushButton*>("Command3")->click();
      }
    });
    during.start();
    window.Command1_Click();
    QApplication::exit(0);
  });
  return QApplication::exec();
}
