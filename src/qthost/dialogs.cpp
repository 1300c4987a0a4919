#include "dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vendrel {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer Answer(int pressed) {
  switch (pressed) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace

QString FromEngineText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToEngineText(const QString& text) { return text.toLatin1().toStdString(); }

MessageAnswer QtDialogs::Message(std::string_view title, std::string_view text, MessageIcon icon,
                                 MessageButtons buttons) {
  QMessageBox box(BoxIcon(icon), FromEngineText(title), FromEngineText(text), BoxButtons(buttons),
                  &window_);
  // Closing the box with Escape counts as its safe answer.
  if (buttons == MessageButtons::OkCancel) box.setEscapeButton(QMessageBox::Cancel);
  return Answer(box.exec());
}

std::size_t QtDialogs::Choose(std::string_view title, std::string_view text, MessageIcon icon,
                              const std::vector<std::string>& choices) {
  QMessageBox box(BoxIcon(icon), FromEngineText(title), FromEngineText(text), QMessageBox::NoButton,
                  &window_);
  std::vector<QAbstractButton*> buttons;
  for (const std::string& choice : choices) {
    QPushButton* button = box.addButton(FromEngineText(choice), QMessageBox::AcceptRole);
    button->setAccessibleName(button->text());
    buttons.push_back(button);
  }
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return i;
  }
  return 0;
}

std::optional<std::string> QtDialogs::Ask(std::string_view title, std::string_view prompt,
                                          std::string_view defaultText) {
  QInputDialog dialog(&window_);
  dialog.setWindowTitle(FromEngineText(title));
  dialog.setLabelText(FromEngineText(prompt));
  dialog.setTextValue(FromEngineText(defaultText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToEngineText(dialog.textValue());
}

}  // namespace vendrel
