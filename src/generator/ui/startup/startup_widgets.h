#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string_view>

namespace vendrel::startup {

// A control under its documented name, with its caption as the name screen readers say.
template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QString& caption = {}) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!caption.isEmpty()) widget->setAccessibleName(caption);
  return widget;
}

// Texts of the system are bytes of a single-byte code page.
inline QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// File names are the file system's, whatever the texts' code page.
inline QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

// Runs an event handler so that no exception reaches the event loop: the engine's end of
// the program ends the application, any other failure is shown.
void Guarded(QWidget* window, const std::function<void()>& handler);

}  // namespace vendrel::startup
