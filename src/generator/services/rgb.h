#pragma once

namespace vendrel {

// A colour as red, green and blue, each 0 to 255.
struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace vendrel
