#pragma once

#include <QColor>
#include <QImage>

namespace vendrel::testing {

// Pixels of exactly this colour: what a filled shape leaves inside its antialiased edge.
inline int CountColour(const QImage& image, const QColor& colour, int fromRow = 0) {
  int count = 0;
  const QRgb wanted = colour.rgb();
  for (int y = fromRow; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == wanted ? 1 : 0;
  }
  return count;
}

}  // namespace vendrel::testing
