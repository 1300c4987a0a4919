#include "qt_window_host.h"

#include <QCoreApplication>

namespace vendrel {

QtWindowHost::QtWindowHost(QLabel& status, std::function<void(double)> showProgress,
                           Dialogs& dialogs)
    : status_(status), showProgress_(std::move(showProgress)), dialogs_(dialogs) {}

void QtWindowHost::SetStatus(std::string_view text) { status_.setText(FromEngineText(text)); }

void QtWindowHost::SetProgress(double percent) { showProgress_(percent); }

void QtWindowHost::Yield() { QCoreApplication::processEvents(); }

MessageAnswer QtWindowHost::Message(std::string_view title, std::string_view text, MessageIcon icon,
                                    MessageButtons buttons) {
  return dialogs_.Message(title, text, icon, buttons);
}

std::optional<std::string> QtWindowHost::Ask(std::string_view title, std::string_view prompt,
                                             std::string_view defaultText) {
  return dialogs_.Ask(title, prompt, defaultText);
}

}  // namespace vendrel
