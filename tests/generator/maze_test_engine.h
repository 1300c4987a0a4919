#pragma once

#include <string>
#include <vector>

#include "engine.h"
#include "fixed_clock.h"
#include "log_service.h"
#include "random_source.h"
#include "recording_host.h"
#include "scripted_draws.h"
#include "temp_folder.h"

namespace vendrel::testing {

// An engine on a temporary program folder with a recording host, a fixed clock and a
// random source of the given kind.
template <typename Random>
struct TestEngine {
  TestEngine() = default;
  TempFolder folder;
  RecordingHost host;
  FixedClock clock;
  Random random{clock};
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};

  // The log file's lines after its title line, without their time stamps.
  std::vector<std::string> LogLines() {
    log.Close();
    std::vector<std::string> lines;
    const std::string text = ReadFile(log.FilePath());
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find("\r\n", start);
      const std::string line = text.substr(start, end - start);
      lines.push_back(line.substr(line.find("] ") + 2));
      if (end == std::string::npos) break;
      start = end + 2;
    }
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
  }
};

using ScriptedEngine = TestEngine<ScriptedDraws>;

// A real random source started from a custom seed.
struct SeededEngine : TestEngine<RandomSource> {
  explicit SeededEngine(std::int64_t seed) {
    random.SetSeedMode(SeedMode::Custom, seed);
    random.StartRun();
  }
};

}  // namespace vendrel::testing
