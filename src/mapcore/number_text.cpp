#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "quoted_excerpt.h"

namespace vendrel {

NumberTextError::NumberTextError(std::string_view text)
    : std::runtime_error(QuotedExcerpt(text) + " is not a number"), text_(text) {}

std::optional<double> ParseNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  if (first == last) return std::nullopt;
  // Up to 15 digits with or without a point, most of map text: the digits are exact as a
  // double and so is the power of ten, and one correctly rounded division gives what the
  // general parser gives.
  const bool negative = *first == '-';
  const char* digits = first + (negative ? 1 : 0);
  if (digits != last && last - digits <= 16) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    long long whole = 0;
    const char* d = digits;
    for (; d != last && *d >= '0' && *d <= '9'; ++d) whole = whole * 10 + (*d - '0');
    const char* point = d;
    if (d != last && *d == '.' && d != digits) {
      for (++d; d != last && *d >= '0' && *d <= '9'; ++d) whole = whole * 10 + (*d - '0');
    }
    const auto decimals = d == point ? 0 : d - point - 1;
    const bool plain = d == last && (d == point || decimals > 0);
    if (plain && (last - digits) - (d == point ? 0 : 1) <= 15) {
      const double magnitude = static_cast<double>(whole) / kPowersOfTen[decimals];
      return negative ? -magnitude : magnitude;
    }
  }
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
  std::string out;
  AppendNumber(out, value);
  return out;
}

std::string FormatSingle(float value) {
  char shown[32];
  const auto printed = std::to_chars(shown, shown + sizeof shown - 1, value, std::chars_format::general, 7);
  *printed.ptr = '\0';
  return FormatNumber(std::strtod(shown, nullptr));
}

FifteenDigits SignificantDigits(double value) {
  char scientific[40];
  const auto printed = std::to_chars(scientific, scientific + sizeof scientific - 1,
                                     std::fabs(value), std::chars_format::scientific, 14);
  *printed.ptr = '\0';
  FifteenDigits rounded{};
  std::size_t count = 0;
  const char* p = scientific;
  for (; *p != 'e'; ++p) {
    if (*p != '.') rounded.digits[count++] = *p;
  }
  rounded.exponent = std::atoi(p + 1);
  return rounded;
}

void AppendNumber(std::string& out, double value) {
  if (value == 0 || std::isnan(value)) {
    out += '0';
    return;
  }
  if (std::isinf(value)) {
    out += value > 0 ? "1E+308" : "-1E+308";
    return;
  }
  // Whole numbers, most of what map text holds, need no rounding to 15 digits.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    char whole[24];
    const auto printed = std::to_chars(whole, whole + sizeof whole, static_cast<long long>(value));
    out.append(whole, printed.ptr);
    return;
  }

  // 15 significant digits, then laid out by hand.
  const FifteenDigits rounded = SignificantDigits(value);
  const int exponent = rounded.exponent;
  std::size_t digitCount = sizeof rounded.digits;
  while (digitCount > 1 && rounded.digits[digitCount - 1] == '0') --digitCount;
  const std::string_view digits(rounded.digits, digitCount);

  if (value < 0) out += '-';
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
    return;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  out += exponentText;
}

ThreePartViews CSplitViews(std::string_view text) {
  // The insides run from after the 1st, 3rd and 5th parenthesis to the next one, or to the
  // text's end when none follows.
  std::string_view parts[3];
  int counter = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '(' && c != ')') continue;
    ++counter;
    if (counter % 2 == 1) {
      start = i + 1;
    } else {
      parts[counter / 2 - 1] = text.substr(start, i - start);
      if (counter == 6) break;
    }
  }
  if (counter % 2 == 1) parts[counter / 2] = text.substr(start);
  return {parts[0], parts[1], parts[2]};
}

FiveFields SSplit(std::string_view text) {
  const FiveFieldViews views = SSplitViews(text);
  return {std::string(views.f1), std::string(views.f2), std::string(views.f3),
          std::string(views.f4), std::string(views.f5)};
}

FiveFieldViews SSplitViews(std::string_view text) {
  FiveFieldViews fields;
  std::string_view* slots[] = {&fields.f1, &fields.f2, &fields.f3, &fields.f4, &fields.f5};
  std::size_t index = 0;
  std::size_t start = 0;
  while (index < 5) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t stop = blank == std::string_view::npos ? text.size() : blank;
    *slots[index] = text.substr(start, stop - start);
    if (blank == std::string_view::npos) break;
    start = blank + 1;
    ++index;
  }
  return fields;
}

namespace {

// [+][-]digits, up to the 15 digits a double holds exactly; `p` then stands after them.
bool ReadPlainWholeNumber(const char*& p, const char* end, double& value) {
  if (p != end && *p == '+') ++p;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  const char* digits = p;
  long long whole = 0;
  for (; p != end && *p >= '0' && *p <= '9'; ++p) {
    if (p - digits == 15) return false;
    whole = whole * 10 + (*p - '0');
  }
  if (p == digits) return false;
  const auto magnitude = static_cast<double>(whole);
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

std::optional<std::array<double, 3>> PlainWholePoint(std::string_view xyz) {
  std::array<double, 3> point{};
  const char* p = xyz.data();
  const char* end = p + xyz.size();
  for (std::size_t i = 0; i < point.size(); ++i) {
    if (i > 0) {
      if (p == end || *p != ' ') return std::nullopt;
      ++p;
    }
    if (!ReadPlainWholeNumber(p, end, point[i])) return std::nullopt;
  }
  // Fields after the third are no part of a point.
  if (p != end && *p != ' ') return std::nullopt;
  return point;
}

std::string PointToLocale(std::string_view text, std::string_view decimalSymbol) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '.') {
      out += decimalSymbol;
    } else {
      out += c;
    }
  }
  return out;
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
