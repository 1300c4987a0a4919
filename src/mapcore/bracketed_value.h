#pragma once

#include <string>
#include <string_view>

#include "number_text.h"

namespace vendrel {

// Texture axes and start positions wrap their vector in brackets: "[x y z]".
inline bool IsBracketedVector(std::string_view value) {
  return value.size() >= 2 && value.front() == '[' && value.back() == ']';
}

// The value without any bracket, written over `text` so a caller can reuse its buffer.
inline void UnbracketInto(std::string& text, std::string_view value) {
  text.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t bracket = value.find_first_of("[]", start);
    text.append(value.substr(start, bracket == std::string_view::npos ? bracket : bracket - start));
    if (bracket == std::string_view::npos) return;
    start = bracket + 1;
  }
}

inline std::string Unbracketed(std::string_view value) {
  std::string text;
  UnbracketInto(text, value);
  return text;
}

}  // namespace vendrel
