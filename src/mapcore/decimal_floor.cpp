#include "decimal_floor.h"

#include <cmath>

#include "number_text.h"

namespace vendrel {

std::string FloorToThousandths(double value) {
  // A whole number has no thousandths to cut, and most moved texture shifts are whole.
  if (!std::isfinite(value) || (value == std::trunc(value) && std::fabs(value) < 1e15)) {
    return FormatNumber(value);
  }
  // |value| = mantissa × 10^(exponent − 14), mantissa a whole number of 15 digits.
  const FifteenDigits rounded = SignificantDigits(value);
  long long mantissa = 0;
  for (const char digit : rounded.digits) mantissa = mantissa * 10 + (digit - '0');
  const int exponent = rounded.exponent;
  const int droppedDigits = 14 - exponent - 3;
  if (droppedDigits <= 0) return FormatNumber(value);

  long long thousandths = 0;
  bool cut = mantissa != 0;
  if (droppedDigits <= 15) {
    long long divisor = 1;
    for (int i = 0; i < droppedDigits; ++i) divisor *= 10;
    thousandths = mantissa / divisor;
    cut = mantissa % divisor != 0;
  }
  // Downwards: a negative value that lost digits goes one thousandth further from zero.
  if (value < 0 && cut) ++thousandths;
  const double magnitude = static_cast<double>(thousandths) / 1000;
  return FormatNumber(value < 0 ? -magnitude : magnitude);
}

}  // namespace vendrel
