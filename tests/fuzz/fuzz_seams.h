#pragma once

#include "fixed_clock.h"
#include "random_source.h"
#include "recording_host.h"

namespace vendrel::fuzz {

// A host that answers every question as a user pressing Enter would, a clock that stands
// still and a random source from a fixed seed: a fuzz input runs the same every time.
struct FuzzSeams {
  FuzzSeams() {
    random.SetSeedMode(SeedMode::Custom, 1);
    random.StartRun();
  }
  testing::RecordingHost host;
  testing::FixedClock clock;
  RandomSource random{clock};
};

}  // namespace vendrel::fuzz
