#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine.h"
#include "fixed_clock.h"
#include "log_service.h"
#include "random_source.h"
#include "recording_host.h"
#include "scripted_random.h"
#include "temp_folder.h"

namespace vendrel::testing {

// What an engine runs on: a temporary program folder, a recording host, a fixed clock
// and the log.
struct EngineParts {
  TempFolder folder;
  RecordingHost host;
  FixedClock clock;
  LogService log{host, clock, folder.Path()};

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

// Scripted draws; once the script is used up every draw is 0, which makes maze lines of
// straight pieces, side branches of one cell and no flips.
struct ScriptedEngine : EngineParts {
  ScriptedEngine() { random.afterScript = 0.0; }
  ScriptedRandom random;
  Engine engine{host, clock, random, log, folder.Path()};
};

// A real random source started from a custom seed.
struct SeededEngine : EngineParts {
  explicit SeededEngine(std::int64_t seed) {
    random.SetSeedMode(SeedMode::Custom, seed);
    random.StartRun();
  }
  RandomSource random{clock};
  Engine engine{host, clock, random, log, folder.Path()};
};

}  // namespace vendrel::testing
