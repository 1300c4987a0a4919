#pragma once

#include <gtest/gtest.h>

#include "engine.h"
#include "fixed_clock.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel::testing {

// An engine on a fresh temporary program folder, with a fixed clock, a recording host and
// a real random source unless a test brings kinds of its own.
template <class TestHost = RecordingHost, class TestRandom = RandomSource>
struct EngineOn {
  TempFolder folder;
  TestHost host;
  FixedClock clock;
  TestRandom random{clock};
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};

  std::string LogText() const { return ReadFile(log.FilePath()); }
};

using EngineContext = EngineOn<>;

struct EngineFixture : ::testing::Test, EngineContext {};

}  // namespace vendrel::testing
