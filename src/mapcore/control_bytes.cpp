#include "control_bytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vendrel {
namespace {

bool IsControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127;
}

constexpr std::uint64_t kEveryByte(std::uint8_t byte) { return 0x0101010101010101ULL * byte; }

// Whether any of eight bytes is below 32, is 127 or is a double quote: map text is read
// once per byte here, so eight bytes go at a time.
bool HasControlByteOrQuote(std::uint64_t bytes) {
  constexpr std::uint64_t kHigh = kEveryByte(0x80);
  const auto hasZero = [](std::uint64_t x) { return (x - kEveryByte(1)) & ~x & kHigh; };
  const std::uint64_t below32 = (bytes - kEveryByte(32)) & ~bytes & kHigh;
  return (below32 | hasZero(bytes ^ kEveryByte(127)) | hasZero(bytes ^ kEveryByte('"'))) != 0;
}

bool IsPlainItem(std::string_view item) {
  std::size_t i = 0;
  for (; i + 8 <= item.size(); i += 8) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, item.data() + i, 8);
    if (HasControlByteOrQuote(bytes)) return false;
  }
  return std::none_of(item.begin() + static_cast<std::ptrdiff_t>(i), item.end(),
                      [](char c) { return IsControlByte(c) || c == '"'; });
}

}  // namespace

std::string ControlByteProblem(std::string_view item) {
  const auto found = std::find_if(item.begin(), item.end(), IsControlByte);
  if (found == item.end()) return {};
  return "an item holds the control byte " + std::to_string(static_cast<unsigned char>(*found)) +
         " (a binary file, or line ends other than CR LF)";
}

std::string DoubleQuoteProblem(std::string_view item) {
  if (item.find('"') == std::string_view::npos) return {};
  return "an item holds a double quote, which would end its quoting in a level";
}

std::string ItemByteProblem(std::string_view item) {
  if (IsPlainItem(item)) return {};
  std::string problem = ControlByteProblem(item);
  return problem.empty() ? DoubleQuoteProblem(item) : problem;
}

}  // namespace vendrel
