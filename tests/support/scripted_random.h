#pragma once

#include <deque>
#include <stdexcept>

#include "fixed_clock.h"
#include "random_source.h"

namespace vendrel::testing {

// The clock lives in a base so it is built before the random source that reads it.
struct ScriptedRandomClock {
  FixedClock scriptClock;
};

// A random source whose draws come from a script; counts the reseeds.
class ScriptedRandom : private ScriptedRandomClock, public RandomSource {
 public:
  ScriptedRandom() : RandomSource(scriptClock) {}
  explicit ScriptedRandom(std::deque<double> script)
      : RandomSource(scriptClock), draws(std::move(script)) {}

  double Draw() override {
    if (draws.empty()) throw std::logic_error("the scripted draws ran out");
    const double r = draws.front();
    draws.pop_front();
    return r;
  }
  void Randa() override { ++randaCalls; }

  std::deque<double> draws;
  int randaCalls = 0;
};

}  // namespace vendrel::testing
