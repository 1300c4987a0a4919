#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vendrel {

NumberTextError::NumberTextError(std::string_view text)
    : std::runtime_error("\"" + std::string(text) + "\" is not a number"), text_(text) {}

std::optional<double> ParseNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  if (first == last) return std::nullopt;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

double NumberOrThrow(std::string_view text) {
  const auto value = ParseNumber(text);
  if (!value) throw NumberTextError(text);
  return *value;
}

std::string FormatNumber(double value) {
  if (value == 0 || std::isnan(value)) return "0";
  if (std::isinf(value)) return value > 0 ? "1E+308" : "-1E+308";

  // 15 significant digits, rounded without the locale's help, then laid out by hand.
  char scientific[40];
  const auto printed =
      std::to_chars(scientific, scientific + sizeof scientific - 1, std::fabs(value),
                    std::chars_format::scientific, 14);
  *printed.ptr = '\0';
  std::string digits;
  const char* p = scientific;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits.push_back(*p);
  }
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent >= -5 && exponent <= 15) {
    if (exponent >= 0) {
      const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= wholeDigits) {
        out += digits;
        out.append(wholeDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, wholeDigits);
        out += '.';
        out += digits.substr(wholeDigits);
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return out + exponentText;
}

ThreeParts CSplit(std::string_view text) {
  ThreeParts parts;
  int counter = 0;
  for (const char c : text) {
    if (c == '(' || c == ')') {
      if (++counter == 6) break;
      continue;
    }
    if (counter == 1) parts.first.push_back(c);
    else if (counter == 3) parts.second.push_back(c);
    else if (counter == 5) parts.third.push_back(c);
  }
  return parts;
}

FiveFields SSplit(std::string_view text) {
  FiveFields fields;
  std::string* slots[] = {&fields.f1, &fields.f2, &fields.f3, &fields.f4, &fields.f5};
  std::size_t index = 0;
  std::size_t start = 0;
  while (index < 5) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t stop = blank == std::string_view::npos ? text.size() : blank;
    slots[index]->assign(text.substr(start, stop - start));
    if (blank == std::string_view::npos) break;
    start = blank + 1;
    ++index;
  }
  return fields;
}

namespace {
std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string out(text);
  for (char& c : out) {
    if (c == from) c = to;
  }
  return out;
}
}  // namespace

std::string LocaleToPoint(std::string_view text, char decimalSymbol) {
  return ReplaceChar(text, decimalSymbol, '.');
}

std::string PointToLocale(std::string_view text, char decimalSymbol) {
  return ReplaceChar(text, '.', decimalSymbol);
}

int CommaCount(std::string_view text) {
  int count = 1;
  for (const char c : text) count += c == ',' ? 1 : 0;
  return count;
}

void ClearOutChar(char character, std::string& text) {
  std::erase(text, character);
}

std::string Pos(std::string_view value) {
  const double number = NumberOrThrow(value);
  return number < 0 ? FormatNumber(-number) : std::string(value);
}

std::string Neg(std::string_view value) {
  const double number = NumberOrThrow(value);
  return number > 0 ? FormatNumber(-number) : std::string(value);
}

}  // namespace vendrel
