#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "rgb.h"

namespace vendrel {

// A cell's 3 x 3 picture, row by row from the top left, "1" painted; empty for a number
// that is not a piece.
std::string_view CellPattern(int piece);
// Corridors, turns and junctions black; each end and start family its own colour.
Rgb CellColour(int piece);

// The picture of maze lines: each walk cell a 3 x 3 block of pixels, cell (0, 0) at
// pixels (221..223, 212..214) of a white drawing area.
class MazePicture {
 public:
  static constexpr int kOriginX = 221;
  static constexpr int kOriginY = 212;
  // The drawing area that centres the start cell; it grows to hold any cell outside it.
  static constexpr int kWidth = 2 * kOriginX + 3;
  static constexpr int kHeight = 2 * kOriginY + 3;

  void Clear() { pixels_.clear(); }
  // Paints the "1" pixels of the pattern of cell (x, y).
  void Paint(int x, int y, std::string_view fillIndex, Rgb colour);
  // The colour painted at a pixel of the drawing area, if any.
  std::optional<Rgb> PixelAt(int px, int py) const;
  bool Empty() const { return pixels_.empty(); }

  // An uncompressed 24-bit .bmp of the drawing area; false when the file cannot be
  // written. Pixels left of or above the area widen it there and shift the picture.
  bool WriteBitmap(const std::filesystem::path& file) const;

 private:
  std::map<std::pair<int, int>, Rgb> pixels_;
};

}  // namespace vendrel
