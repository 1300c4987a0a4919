#include "qt_kit_host.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

namespace vendrel::roomkit {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageAnswer Answer(int pressed) {
  switch (pressed) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

}  // namespace

QString FromEngineText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QtKitHost::QtKitHost(QWidget& window, QLabel& status, QProgressBar& progress)
    : window_(window), status_(status), progress_(progress) {}

void QtKitHost::SetStatus(std::string_view text) { status_.setText(FromEngineText(text)); }

void QtKitHost::SetProgress(double percent) {
  progress_.setValue(static_cast<int>(std::clamp(percent, 0.0, 100.0)));
}

void QtKitHost::Yield() { QCoreApplication::processEvents(); }

MessageAnswer QtKitHost::Message(std::string_view title, std::string_view text, MessageIcon icon,
                                 MessageButtons buttons) {
  QMessageBox box(BoxIcon(icon), FromEngineText(title), FromEngineText(text), BoxButtons(buttons),
                  &window_);
  return Answer(box.exec());
}

std::optional<std::string> QtKitHost::Ask(std::string_view title, std::string_view prompt,
                                          std::string_view defaultText) {
  QInputDialog dialog(&window_);
  dialog.setWindowTitle(FromEngineText(title));
  dialog.setLabelText(FromEngineText(prompt));
  dialog.setTextValue(FromEngineText(defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toLatin1().toStdString();
}

}  // namespace vendrel::roomkit
