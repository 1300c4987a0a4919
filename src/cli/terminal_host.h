#pragma once

#include <map>
#include <optional>
#include <string>

#include "host.h"

namespace vendrel {

// The host of the command line: status and a progress bar on stderr, messages printed,
// questions answered from flags (or asked on the terminal when it is one).
class TerminalHost final : public Host {
 public:
  // assumeYes: every Yes/No and OK/Cancel question is answered Yes/OK.
  explicit TerminalHost(bool assumeYes, bool quiet = false);
  ~TerminalHost() override;

  // Fixes the answer of a text question by its title.
  void SetAnswer(const std::string& title, std::string answer);

  // A line of its own on stderr, above the progress bar.
  void PrintLine(std::string_view line);

  void SetStatus(std::string_view text) override;
  void SetProgress(double percent) override;
  void Yield() override {}
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override;
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override;

 private:
  void ClearBar();

  bool assumeYes_;
  bool quiet_;
  bool interactive_;
  bool barShown_ = false;
  int lastPercent_ = -1;
  std::string status_;
  std::map<std::string, std::string, std::less<>> answers_;
};

}  // namespace vendrel
