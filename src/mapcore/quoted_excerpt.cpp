#include "quoted_excerpt.h"

namespace vendrel {
namespace {

constexpr std::size_t kLongestQuote = 64;
constexpr std::size_t kKeptOfALongQuote = 48;

}  // namespace

std::string QuotedExcerpt(std::string_view text) {
  if (text.size() <= kLongestQuote) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kKeptOfALongQuote)) + "...\" (" +
         std::to_string(text.size()) + " characters)";
}

}  // namespace vendrel
