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
  text.resize(value.size());
  char* out = text.data();
  for (const char c : value) {
    if (c != '[' && c != ']') *out++ = c;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
}

inline std::string Unbracketed(std::string_view value) {
  std::string text;
  UnbracketInto(text, value);
  return text;
}

}  // namespace vendrel
