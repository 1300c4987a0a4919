#pragma once

#include <string>
#include <string_view>

namespace vendrel {

// Map keys and names are plain ASCII; the user's locale must not change how they compare.
constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

// `lowerKey` must already be in lower case.
constexpr bool EqualsIgnoringCase(std::string_view text, std::string_view lowerKey) {
  if (text.size() != lowerKey.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (LowerAscii(text[i]) != lowerKey[i]) return false;
  }
  return true;
}

constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
  return text.size() >= lowerPrefix.size() &&
         EqualsIgnoringCase(text.substr(0, lowerPrefix.size()), lowerPrefix);
}

}  // namespace vendrel
