#include <QApplication>

#include "kit_window.h"
#include "program_folder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // An installed program folder is read from; room files go where the user can write.
  const std::filesystem::path folder = vendrel::ProgramFolder();
  const std::filesystem::path writable = vendrel::WritableProgramFolder(folder);
  vendrel::roomkit::KitWindow window(writable / "rooms",
                                     vendrel::WritingFolderNote(folder, writable));
  window.show();
  return QApplication::exec();
}
