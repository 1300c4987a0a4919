#include "progress.h"

#include <cmath>

namespace vendrel {

std::vector<Rgb> MrProgColours(double percent) {
  const double lines = std::floor(kProgressLines * percent / 100.0);
  const int count = lines < 0 ? 0 : lines > kProgressLines ? kProgressLines : static_cast<int>(lines);
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
