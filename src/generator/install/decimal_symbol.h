#pragma once

#include <string>

#include "log_service.h"

namespace vendrel {

// The decimal symbol of the user's LC_NUMERIC locale, the empty text when it cannot be read.
std::string GetDecimal();

// The same for a named locale ("de_DE.UTF-8"); "" names the user's own.
std::string DecimalSymbolOf(const char* localeName);

// Reads the decimal symbol into the log service, whose texts join reals with it, and logs
// it to the log file.
void SetCorrectPC(LogService& log);

}  // namespace vendrel
