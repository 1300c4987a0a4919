#pragma once

#include <gtest/gtest.h>

#include "engine.h"
#include "fixed_clock.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel::testing {

// An engine on a fresh temporary program folder, with a recording host and a fixed clock.
struct EngineContext {
  TempFolder folder;
  RecordingHost host;
  FixedClock clock;
  RandomSource random{clock};
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};

  std::string LogText() const { return ReadFile(log.FilePath()); }
};

struct EngineFixture : ::testing::Test, EngineContext {};

}  // namespace vendrel::testing
