#pragma once

#include <QColor>

namespace vendrel::startup {

// A colour as the system writes it: red in the low byte, then green, then blue.
inline QColor QtColour(int rgbValue) {
  return QColor(rgbValue & 0xFF, (rgbValue >> 8) & 0xFF, (rgbValue >> 16) & 0xFF);
}

}  // namespace vendrel::startup
