#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vendrel {

enum class MessageIcon { None, Information, Critical, Exclamation, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Everything the engine asks of the front end that runs it: the window, the terminal or
// a test's recorder. Implementations never call back into the engine.
class Host {
 public:
  virtual ~Host() = default;

  virtual void SetStatus(std::string_view text) = 0;
  // Progress in percent, 0 to 100.
  virtual void SetProgress(double percent) = 0;
  // Lets the front end process what is pending (the abort button's click above all).
  virtual void Yield() = 0;
  // A modal message; returns the button pressed.
  virtual MessageAnswer Message(std::string_view title, std::string_view text, MessageIcon icon,
                                MessageButtons buttons) = 0;
  // A text question; empty when cancelled.
  virtual std::optional<std::string> Ask(std::string_view title, std::string_view prompt,
                                         std::string_view defaultText) = 0;
};

}  // namespace vendrel
