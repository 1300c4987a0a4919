#include "coverage_warnings.h"

#include <iostream>

#include "room_coverage.h"

namespace vendrel::cli {

void WarnOfCoverageHoles(const Engine& engine, const RoomTable& table, long long genre) {
  for (const std::string& warning : CoverageWarnings(CoverageOf(table, genre))) {
    std::cerr << "warning: " << warning << "\n";
    engine.log.Log("Warning: " + warning, false, true);
  }
}

}  // namespace vendrel::cli
