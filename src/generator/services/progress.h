#pragma once

#include <vector>

#include "host.h"
#include "rgb.h"

namespace vendrel {

inline constexpr int kProgressLines = 673;

// The colours of the progress bar's one-pixel lines at a percentage: teal at the left
// fading to olive at the far right; the bar always shows the gradient's left part.
std::vector<Rgb> MrProgColours(double percent);

// Shows the progress through the host.
void MrProg(Host& host, double percent);

}  // namespace vendrel
