#include <QApplication>

#include "clock.h"
#include "main_window.h"
#include "program_folder.h"
#include "random_source.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The splash hands over to the main window, which may hide for the account window: the
  // program ends by its own unload, not when no window happens to show.
  QApplication::setQuitOnLastWindowClosed(false);
  // An installed program folder is read from; what the window writes goes where it can.
  const std::filesystem::path folder = vendrel::ProgramFolder();
  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  vendrel::generator_ui::MainWindow window(
      {vendrel::WritableProgramFolder(folder), folder, clock, random, nullptr,
       vendrel::WinePrefix(), folder});
  window.Form_Load();
  if (const auto status = window.ExitStatus()) return *status;
  return QApplication::exec();
}
