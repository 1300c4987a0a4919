#pragma once

#include <deque>
#include <vector>

#include "random_source.h"

namespace vendrel::testing {

// A random source whose draws come from a script; reseeds are only counted and kept.
// Once the script runs out every draw is `fallback`; with `cycle` set the script is
// used over and over instead.
class ScriptedDraws : public RandomSource {
 public:
  explicit ScriptedDraws(const Clock& clock) : RandomSource(clock) {}

  double Draw() override {
    ++draws;
    if (script.empty()) return fallback;
    const double value = script.front();
    script.pop_front();
    if (cycle) script.push_back(value);
    return value;
  }
  void Randa() override { ++randaCalls; }
  void ReseedFromClock(double clockValue) override { clockReseeds.push_back(clockValue); }

  std::deque<double> script;
  double fallback = 0.0;
  bool cycle = false;
  int draws = 0;
  int randaCalls = 0;
  std::vector<double> clockReseeds;
};

}  // namespace vendrel::testing
