#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "host.h"

namespace vendrel::roomkit {

// The kit's host in its window: the status line, the progress bar, message boxes and
// input boxes owned by the window, and the event loop for yields.
class QtKitHost final : public Host {
 public:
  QtKitHost(QWidget& window, QLabel& status, QProgressBar& progress);

  void SetStatus(std::string_view text) override;
  void SetProgress(double percent) override;
  void Yield() override;
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override;

 private:
  QWidget& window_;
  QLabel& status_;
  QProgressBar& progress_;
};

// Engine texts are bytes of a single-byte code page.
QString FromEngineText(std::string_view text);

}  // namespace vendrel::roomkit
