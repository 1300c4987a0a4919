#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host.h"

namespace vendrel {

// A host that shows nothing, answers every question Yes or with its default and counts
// yields: for a benchmark that times the engine alone, or runs no one watches.
class QuietHost final : public Host {
 public:
  void SetStatus(std::string_view) override {}
  void SetProgress(double) override {}
  void Yield() override { ++yields; }
  MessageAnswer Message(std::string_view, std::string_view, MessageIcon,
                        MessageButtons buttons) override {
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
  std::optional<std::string> Ask(std::string_view, std::string_view,
                                 std::string_view defaultText) override {
    return std::string(defaultText);
  }

  long yields = 0;
};

}  // namespace vendrel
