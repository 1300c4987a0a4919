#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host.h"

namespace vendrel {

// The modal boxes of a window. A window owns one; tests give it one
// that answers from a script instead of waiting for a click.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                                MessageButtons buttons) = 0;
  virtual std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                         std::string_view defaultText) = 0;
  // A box whose buttons name the choices themselves; returns the index of the one pressed.
  virtual std::size_t Choose(std::string_view title, std::string_view text, MessageIcon icon,
                             const std::vector<std::string>& choices) = 0;
};

// QMessageBox and QInputDialog over the given window.
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget& window) : window_(window) {}
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override;
  std::size_t Choose(std::string_view title, std::string_view text, MessageIcon icon,
                     const std::vector<std::string>& choices) override;

 private:
  QWidget& window_;
};

// Engine texts are bytes of a single-byte code page.
QString FromEngineText(std::string_view text);
std::string ToEngineText(const QString& text);

}  // namespace vendrel
