#pragma once

#include <QLabel>
#include <functional>

#include "dialogs.h"
#include "host.h"

namespace vendrel {

// The host of an engine run in a window: the window's status label, its progress display,
// its boxes, and the event loop for yields, so the run stays on the window's thread.
class QtWindowHost final : public Host {
 public:
  QtWindowHost(QLabel& status, std::function<void(double percent)> showProgress, Dialogs& dialogs);

  void SetStatus(std::string_view text) override;
  void SetProgress(double percent) override;
  void Yield() override;
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override;

 private:
  QLabel& status_;
  std::function<void(double)> showProgress_;
  Dialogs& dialogs_;
};

}  // namespace vendrel
