#include "qt_host.h"

#include <QCoreApplication>

namespace vendrel::generator_ui {

QtHost::QtHost(QLabel& status, ProgressPicture& progress, Dialogs& dialogs)
    : status_(status), progress_(progress), dialogs_(dialogs) {}

void QtHost::SetStatus(std::string_view text) { status_.setText(FromEngineText(text)); }

void QtHost::SetProgress(double percent) { progress_.MrProg(percent); }

void QtHost::Yield() { QCoreApplication::processEvents(); }

MessageAnswer QtHost::Message(std::string_view title, std::string_view text, MessageIcon icon,
                              MessageButtons buttons) {
  return dialogs_.Message(title, text, icon, buttons);
}

std::optional<std::string> QtHost::Ask(std::string_view title, std::string_view prompt,
                                       std::string_view defaultText) {
  return dialogs_.Ask(title, prompt, defaultText);
}

}  // namespace vendrel::generator_ui
