#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vendrel {

// A field that arithmetic needs is not a number.
class NumberTextError : public std::runtime_error {
 public:
  explicit NumberTextError(std::string_view text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Map text numbers always use a point, whatever the user's locale.
std::optional<double> ParseNumber(std::string_view text);
double NumberOrThrow(std::string_view text);

// Shortest form with at most 15 significant digits: whole values without a point, no
// trailing zeros, no plus sign, no exponent for magnitudes from 1e-5 to 1e15.
std::string FormatNumber(double value);
// The same text appended to `out`, so a caller building a line reuses its buffer.
void AppendNumber(std::string& out, double value);
// A single-precision value as a single is shown: rounded to 7 significant digits first,
// so 0.1F reads 0.1 and not the double it widens to.
std::string FormatSingle(float value);

// |value| rounded to 15 significant digits: d0.d1...d14 × 10^exponent, found without the
// locale's help (its decimal symbol must not enter).
struct FifteenDigits {
  char digits[15];
  int exponent;
};
FifteenDigits SignificantDigits(double value);

struct FiveFields {
  std::string f1, f2, f3, f4, f5;
};

// The same splits as views into the text, for callers that only read the fields.
struct ThreePartViews {
  std::string_view first, second, third;
};
struct FiveFieldViews {
  std::string_view f1, f2, f3, f4, f5;
};

// Insides of the first three parenthesised groups.
ThreePartViews CSplitViews(std::string_view text);
// First five blank-separated fields; every blank counts, so two blanks give an empty field.
FiveFields SSplit(std::string_view text);
FiveFieldViews SSplitViews(std::string_view text);

// The first three fields of a point when each is a plain whole number ("-64", "+8"), read
// as ParseNumber reads them; nothing for any other spelling, which the general readers
// take. Most points of map text are of this kind, so they are read in one pass.
std::optional<std::array<double, 3>> PlainWholePoint(std::string_view xyz);

// A number's text with the user's decimal symbol for its point, for texts shown to people.
std::string PointToLocale(std::string_view text, std::string_view decimalSymbol);


// Absolute value and minus the absolute value. A value the operation does not change
// comes back as the same text; a changed one is printed anew.
std::string Pos(std::string_view value);
std::string Neg(std::string_view value);

}  // namespace vendrel
