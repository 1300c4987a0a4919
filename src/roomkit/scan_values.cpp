#include "scan_values.h"

#include <charconv>
#include <optional>

#include "map_fault.h"
#include "quoted_excerpt.h"

namespace vendrel::roomkit {
namespace {

std::optional<long long> ParseWhole(std::string_view value) {
  long long number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
    return std::nullopt;
  }
  return number;
}

std::string ValueFault(std::string_view key, std::string_view value, std::size_t line,
                       std::string_view what) {
  return "At line " + std::to_string(line) + ": the " + QuotedExcerpt(key) + " value " +
         QuotedExcerpt(value) + " is not " + std::string(what) + "!";
}

}  // namespace

const std::string& ValueAfter(const MapItems& map, std::size_t keyIndex) {
  static const std::string kNoValue;
  return keyIndex + 1 < map.items.size() ? map.items[keyIndex + 1] : kNoValue;
}

std::size_t ValueLine(const MapItems& map, std::size_t keyIndex) {
  return keyIndex + 1 < map.lines.size() ? map.lines[keyIndex + 1] : map.lines[keyIndex];
}

int ByteValue(std::string_view key, std::string_view value, std::size_t line) {
  const std::optional<long long> number = ParseWhole(value);
  if (!number || *number < 0 || *number > 255) {
    throw RoomFault(ValueFault(key, value, line, "a whole number from 0 to 255"));
  }
  return static_cast<int>(*number);
}

long long WholeValue(std::string_view key, std::string_view value, std::size_t line) {
  const std::optional<long long> number = ParseWhole(value);
  if (!number) throw RoomFault(ValueFault(key, value, line, "a whole number"));
  return *number;
}

}  // namespace vendrel::roomkit
