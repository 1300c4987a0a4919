#include "terminal_host.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace vendrel {
namespace {

const char* IconWord(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return "error";
    case MessageIcon::Exclamation: return "warning";
    case MessageIcon::Question: return "question";
    case MessageIcon::Information:
    case MessageIcon::None: break;
  }
  return "note";
}

}  // namespace

TerminalHost::TerminalHost(bool assumeYes, bool quiet)
    : assumeYes_(assumeYes),
      quiet_(quiet),
      interactive_(isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0) {}

TerminalHost::~TerminalHost() { ClearBar(); }

void TerminalHost::SetAnswer(const std::string& title, std::string answer) {
  answers_[title] = std::move(answer);
}

void TerminalHost::ClearBar() {
  if (!barShown_) return;
  std::fputs("\r\033[K", stderr);
  barShown_ = false;
}

void TerminalHost::PrintLine(std::string_view line) {
  ClearBar();
  std::cerr << line << "\n";
  if (lastPercent_ >= 0) SetProgress(lastPercent_);
}

void TerminalHost::SetStatus(std::string_view text) {
  status_ = text;
  if (quiet_) return;
  if (isatty(STDERR_FILENO) != 0) {
    SetProgress(lastPercent_ < 0 ? 0 : lastPercent_);
  }
}

void TerminalHost::SetProgress(double percent) {
  const int whole = percent < 0 ? 0 : percent > 100 ? 100 : static_cast<int>(percent);
  lastPercent_ = whole;
  if (quiet_ || isatty(STDERR_FILENO) == 0) return;
  constexpr int kWidth = 30;
  const int filled = whole * kWidth / 100;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kWidth - filled), '.');
  std::string status = status_.substr(0, 60);
  std::fprintf(stderr, "\r\033[K[%s] %3d%% %s", bar.c_str(), whole, status.c_str());
  std::fflush(stderr);
  barShown_ = true;
}

MessageAnswer TerminalHost::Message(std::string_view title, std::string_view text, MessageIcon icon,
                                    MessageButtons buttons) {
  ClearBar();
  std::cerr << IconWord(icon) << ": " << title << ": " << text << "\n";
  const bool yesNo = buttons == MessageButtons::YesNo;
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  const MessageAnswer yes = yesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  const MessageAnswer no = yesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  if (assumeYes_) {
    std::cerr << "  -> " << (yesNo ? "Yes" : "OK") << " (--yes)\n";
    return yes;
  }
  if (!interactive_) {
    std::cerr << "  -> " << (yesNo ? "No" : "Cancel") << " (not a terminal; --yes answers Yes)\n";
    return no;
  }
  std::cerr << (yesNo ? "  Yes or No? [y/n] " : "  OK or Cancel? [o/c] ");
  std::string answer;
  std::getline(std::cin, answer);
  const bool accepted = !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y' ||
                                            answer[0] == 'o' || answer[0] == 'O');
  return accepted ? yes : no;
}

std::optional<std::string> TerminalHost::Ask(std::string_view title, std::string_view prompt,
                                             std::string_view defaultText) {
  ClearBar();
  if (const auto found = answers_.find(title); found != answers_.end()) return found->second;
  if (!interactive_ || assumeYes_) return std::string(defaultText);
  std::cerr << title << ": " << prompt << " [" << defaultText << "] ";
  std::string answer;
  if (!std::getline(std::cin, answer)) return std::nullopt;
  return answer.empty() ? std::string(defaultText) : answer;
}

}  // namespace vendrel
