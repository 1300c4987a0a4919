#include "control_bytes.h"

#include <algorithm>

namespace vendrel {

std::string ControlByteProblem(std::string_view item) {
  const auto found = std::find_if(item.begin(), item.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || byte == 127;
  });
  if (found == item.end()) return {};
  return "an item holds the control byte " + std::to_string(static_cast<unsigned char>(*found)) +
         " (a binary file, or line ends other than CR LF)";
}

std::string DoubleQuoteProblem(std::string_view item) {
  if (item.find('"') == std::string_view::npos) return {};
  return "an item holds a double quote, which would end its quoting in a level";
}

}  // namespace vendrel
