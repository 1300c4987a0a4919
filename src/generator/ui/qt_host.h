#pragma once

#include <QLabel>

#include "dialogs.h"
#include "host.h"
#include "progress_picture.h"

namespace vendrel::generator_ui {

// The generator's host in its main window: the status label, the progress picture, the
// window's boxes, and the event loop for yields, so the run stays on the window's thread.
class QtHost final : public Host {
 public:
  QtHost(QLabel& status, ProgressPicture& progress, Dialogs& dialogs);

  void SetStatus(std::string_view text) override;
  void SetProgress(double percent) override;
  void Yield() override;
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override;

 private:
  QLabel& status_;
  ProgressPicture& progress_;
  Dialogs& dialogs_;
};

}  // namespace vendrel::generator_ui
