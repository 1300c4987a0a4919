// Takes the README's pictures of the generator's windows on a real display (run it under
// Xvfb): the main window, the room manager, the time-of-day frames and a run under way,
// from the program folder it is given.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <iostream>

#include "clock.h"
#include "main_window.h"
#include "random_source.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: generator_ui_screenshots PROGRAM_FOLDER OUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path programFolder = argv[1];
  const QString out = argv[2];
  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  vendrel::generator_ui::MainWindow window({programFolder, programFolder, clock, random, nullptr});
  window.Form_Load();
  if (window.ExitStatus()) return *window.ExitStatus();
  window.show();
  auto settle = [] {
    for (int i = 0; i < 200; ++i) QApplication::processEvents();
  };
  QTimer::singleShot(500, [&] {
    settle();
    window.Picture1_MouseDown(vendrel::generator_ui::TwipsFromLatitude(52));
    settle();
    window.grab().save(out + "/main_window.png");
    window.findChild<QWidget*>("Frame2")->grab().save(out + "/time_frames.png");
    window.findChild<QPushButton*>("Command6")->click();
    settle();
    window.grab().save(out + "/room_manager.png");
    window.findChild<QPushButton*>("Command10")->click();
    window.findChild<vendrel::Gradomat*>("MapSizeBar")->SetValue(35);
    // The run yields to the event loop; the picture is taken at one of its yields.
    QTimer during;
    during.setInterval(0);
    bool taken = false;
    QObject::connect(&during, &QTimer::timeout, [&] {
      // The start confirmation: OK, as a player would.
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->button(QMessageBox::Ok)->click();
        return;
      }
      auto* status = window.findChild<QLabel*>("StatusLabel");
      if (!taken && status->text().startsWith("Generating room 12")) {
        window.grab().save(out + "/generating.png");
        taken = true;
      }
    });
    during.start();
    window.Command1_Click();
    QApplication::quit();
  });
  return QApplication::exec();
}
