#include "progress.h"

#include <cmath>

#include "draw_index.h"

namespace vendrel {

std::vector<Rgb> MrProgColours(double percent) {
  const auto count = static_cast<int>(FloorHeld(kProgressLines * percent / 100.0, 0, kProgressLines));
  std::vector<Rgb> colours;
  colours.reserve(static_cast<std::size_t>(count));
  for (int x = 1; x <= count; ++x) {
    const double share = 128.0 * x / kProgressLines;
    colours.push_back({static_cast<int>(std::nearbyint(share)), 128,
                       static_cast<int>(std::nearbyint(128.0 - share))});
  }
  return colours;
}

void MrProg(Host& host, double percent) { host.SetProgress(percent); }

}  // namespace vendrel
