#include "startup_widgets.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "map_error.h"

namespace vendrel::startup {

void Guarded(QWidget* window, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const MapErrorExit&) {
    QCoreApplication::exit(1);
  } catch (const std::exception& error) {
    QMessageBox::critical(window, QStringLiteral("Vendrel"), QString::fromLocal8Bit(error.what()));
  }
}

}  // namespace vendrel::startup
