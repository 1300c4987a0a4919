#include "gradomat.h"

namespace vendrel {

// Codes outside 0 to 16777215 keep their low three bytes, so every code gives bytes.
quint8 Gradomat::GETRed(qint32 theColorCode) {
  return theColorCode == -1 ? 0 : static_cast<quint8>(static_cast<quint32>(theColorCode) & 0xFF);
}

quint8 Gradomat::GETGreen(qint32 theColorCode) {
  return theColorCode == -1 ? 0
                            : static_cast<quint8>((static_cast<quint32>(theColorCode) >> 8) & 0xFF);
}

quint8 Gradomat::GETBlue(qint32 theColorCode) {
  return theColorCode == -1 ? 0
                            : static_cast<quint8>((static_cast<quint32>(theColorCode) >> 16) & 0xFF);
}

QColor Gradomat::ColourFromCode(qint32 code) {
  return QColor(GETRed(code), GETGreen(code), GETBlue(code));
}

qint32 Gradomat::CodeFromColour(const QColor& colour) {
  const QColor rgb = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
  return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

}  // namespace vendrel
