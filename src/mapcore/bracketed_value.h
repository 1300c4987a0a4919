#pragma once

#include <string>
#include <string_view>

#include "number_text.h"

namespace vendrel {

// Texture axes and start positions wrap their vector in brackets: "[x y z]".
inline bool IsBracketedVector(std::string_view value) {
  return value.size() >= 2 && value.front() == '[' && value.back() == ']';
}

inline std::string Unbracketed(std::string_view value) {
  std::string text(value);
  ClearOutChar('[', text);
  ClearOutChar(']', text);
  return text;
}

}  // namespace vendrel
