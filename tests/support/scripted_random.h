#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "fixed_clock.h"
#include "random_source.h"

namespace vendrel::testing {

// The clock lives in a base so it is built before the random source that reads it.
struct ScriptedRandomClock {
  FixedClock scriptClock;
};

// A random source whose draws come from a script; counts the reseeds and keeps the
// values of the clock reseeds. Running out of draws is an error unless `afterScript`
// gives the value of every further draw; with `cycle` set the script repeats instead.
class ScriptedRandom : private ScriptedRandomClock, public RandomSource {
 public:
  ScriptedRandom() : RandomSource(scriptClock) {}
  explicit ScriptedRandom(std::deque<double> script)
      : RandomSource(scriptClock), draws(std::move(script)) {}

  double Draw() override {
    ++drawsTaken;
    if (draws.empty()) {
      if (!afterScript) throw std::logic_error("the scripted draws ran out");
      return *afterScript;
    }
    const double r = draws.front();
    draws.pop_front();
    if (cycle) draws.push_back(r);
    return r;
  }
  void Randa() override { ++randaCalls; }
  void ReseedFromClock(double clockValue) override { clockReseeds.push_back(clockValue); }

  std::deque<double> draws;
  std::optional<double> afterScript;
  bool cycle = false;
  int drawsTaken = 0;
  int randaCalls = 0;
  std::vector<double> clockReseeds;
};

}  // namespace vendrel::testing
