#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host.h"

namespace vendrel::testing {

struct RecordedMessage {
  std::string title;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
};

// Keeps everything the engine shows and answers from a script. Unscripted questions get
// the first button (OK / Yes) and the default text.
class RecordingHost : public Host {
 public:
  void SetStatus(std::string_view text) override { statuses.emplace_back(text); }
  void SetProgress(double percent) override { progress.push_back(percent); }
  void Yield() override { ++yields; }
  MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                        MessageButtons buttons) override {
    messages.push_back({std::string(title), std::string(text), icon, buttons});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
  std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                 std::string_view defaultText) override {
    questions.push_back({std::string(title), std::string(prompt), MessageIcon::Question,
                         MessageButtons::OkCancel});
    if (!textAnswers.empty()) {
      auto answer = textAnswers.front();
      textAnswers.pop_front();
      return answer;
    }
    return std::string(defaultText);
  }

  std::vector<std::string> statuses;
  std::vector<double> progress;
  int yields = 0;
  std::vector<RecordedMessage> messages;
  std::vector<RecordedMessage> questions;
  std::deque<MessageAnswer> answers;
  // std::nullopt stands for a cancelled question.
  std::deque<std::optional<std::string>> textAnswers;
};

}  // namespace vendrel::testing
