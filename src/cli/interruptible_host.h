#pragma once

#include <csignal>
#include <functional>

#include "host.h"

namespace vendrel {

// Ctrl-C as the window's abort and emergency buttons: while it is alive, SIGINT only sets
// a flag, and the next yield hands it to what the running stage set as its button.
class InterruptibleHost final : public Host {
 public:
  explicit InterruptibleHost(Host& terminal);
  ~InterruptibleHost() override;
  InterruptibleHost(const InterruptibleHost&) = delete;
  InterruptibleHost& operator=(const InterruptibleHost&) = delete;

  void OnInterrupt(std::function<void()> button) { button_ = std::move(button); }
  bool Interrupted() const;

  void SetStatus(std::string_view text) override { terminal_.SetStatus(text); }
  void SetProgress(double percent) override { terminal_.SetProgress(percent); }
  void Yield() override;
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override {
    return terminal_.Message(title, text, icon, buttons);
  }
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override {
    return terminal_.Ask(title, prompt, defaultText);
  }

 private:
  Host& terminal_;
  std::function<void()> button_;
  bool pressed_ = false;
  void (*previous_)(int);
};

}  // namespace vendrel
