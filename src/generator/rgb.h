#pragma once

namespace vendrel {

// A colour of the windows and pictures, each part 0 to 255.
struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace vendrel
