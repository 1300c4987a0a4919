#pragma once

#include <map>
#include <string>
#include <vector>

#include "batch_generation.h"

namespace vendrel::cli {

// Mean, 95th percentile (nearest rank) and extremes of a sample.
struct Spread {
  double mean = 0;
  double p95 = 0;
  double median = 0;
  double min = 0;
  double max = 0;
};

Spread SpreadOf(std::vector<double> values);

// A batch's figures, summed over its generations in seed order.
struct BatchReport {
  long long firstSeed = 0;
  int count = 0;
  int succeeded = 0;
  std::map<std::string, int> failures;  // by message
  Spread mazeAttempts;
  int restarts = 0;
  Spread roomsPerLevel;  // of the levels made
  std::map<int, int> roomsByType;
  std::map<std::string, int> roomsByFile;
  std::map<std::string, int> entitiesByClass;
  std::map<int, int> entitiesByDepthBand;
  std::map<std::string, int> skies;
  Spread secondsPerLevel;
};

BatchReport Summarize(const std::vector<GenerationRecord>& records);

// The report for people: one figure a line, the time per level on the last.
std::string ReportText(const BatchReport& report);
// The same figures as a JSON object.
std::string ReportJson(const BatchReport& report);

}  // namespace vendrel::cli
