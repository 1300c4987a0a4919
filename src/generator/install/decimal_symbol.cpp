#include "decimal_symbol.h"

#include <langinfo.h>
#include <locale.h>

namespace vendrel {

std::string DecimalSymbolOf(const char* localeName) {
  const locale_t locale = newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return {};
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  std::string symbol = radix != nullptr ? radix : "";
  freelocale(locale);
  return symbol;
}

std::string GetDecimal() { return DecimalSymbolOf(""); }

void SetCorrectPC(LogService& log) {
  const std::string symbol = GetDecimal();
  log.SetDecimalSymbol(symbol);
  log.Log("Standard Decimal Symbol set to: " + symbol, false, true);
}

}  // namespace vendrel
