#include <QApplication>

#include "kit_window.h"
#include "program_folder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vendrel::roomkit::KitWindow window(vendrel::WritableProgramFolder(vendrel::ProgramFolder()) / "rooms");
  window.show();
  return QApplication::exec();
}
