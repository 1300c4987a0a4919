#include "batch_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "room_coverage.h"

namespace vendrel::cli {
namespace {

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string BandName(int band) {
  return Fixed(static_cast<double>(band) / kDepthBands, 2) + "-" +
         Fixed(static_cast<double>(band + 1) / kDepthBands, 2);
}

std::string TypeName(int type) { return std::to_string(type) + " " + RoomTypeName(type); }

template <class Key>
std::string CountList(const std::map<Key, int>& counts, std::string (*name)(Key)) {
  std::string text;
  for (const auto& [key, count] : counts) {
    text += (text.empty() ? "" : ", ") + name(key) + " " + std::to_string(count);
  }
  return text.empty() ? "none" : text;
}

std::string Same(std::string text) { return text; }

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

template <class Key>
std::string JsonCounts(const std::map<Key, int>& counts, std::string (*name)(Key)) {
  std::string text = "{";
  for (const auto& [key, count] : counts) {
    text += (text.size() > 1 ? ", " : "") + JsonString(name(key)) + ": " + std::to_string(count);
  }
  return text + "}";
}

std::string JsonNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
  Spread spread;
  if (values.empty()) return spread;
  std::sort(values.begin(), values.end());
  const auto rank = [&values](double share) {
    const auto index = static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(index, 1) - 1];
  };
  spread.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  spread.p95 = rank(0.95);
  spread.median = rank(0.5);
  spread.min = values.front();
  spread.max = values.back();
  return spread;
}

BatchReport Summarize(const std::vector<GenerationRecord>& records) {
  BatchReport report;
  report.count = static_cast<int>(records.size());
  if (!records.empty()) report.firstSeed = records.front().seed;
  std::vector<double> attempts, rooms, seconds;
  for (const GenerationRecord& record : records) {
    if (record.mazeAttempts > 0) attempts.push_back(record.mazeAttempts);
    report.restarts += record.restarts;
    seconds.push_back(record.seconds);
    if (!record.succeeded) {
      ++report.failures[record.failure];
      continue;
    }
    ++report.succeeded;
    rooms.push_back(record.rooms);
    for (const auto& [type, count] : record.roomsByType) report.roomsByType[type] += count;
    for (const auto& [file, count] : record.roomsByFile) report.roomsByFile[file] += count;
    for (const auto& [name, count] : record.entitiesByClass) report.entitiesByClass[name] += count;
    for (const auto& [band, count] : record.entitiesByDepthBand) report.entitiesByDepthBand[band] += count;
    ++report.skies[record.sky];
  }
  report.mazeAttempts = SpreadOf(attempts);
  report.roomsPerLevel = SpreadOf(rooms);
  report.secondsPerLevel = SpreadOf(seconds);
  return report;
}

std::string ReportText(const BatchReport& report) {
  std::string text;
  auto line = [&text](const char* label, const std::string& value) {
    char start[32];
    std::snprintf(start, sizeof start, "%-19s", label);
    text += start + value + "\n";
  };
  line("Levels:", std::to_string(report.count) + " (seeds " + std::to_string(report.firstSeed) + " to " +
                      std::to_string(report.firstSeed + report.count - 1) + ")");
  line("Succeeded:", std::to_string(report.succeeded));
  line("Failed:", std::to_string(report.count - report.succeeded));
  for (const auto& [message, count] : report.failures) text += "  " + std::to_string(count) + " x " + message + "\n";
  line("Maze attempts:", "mean " + Fixed(report.mazeAttempts.mean, 2) + ", 95th percentile " +
                             Fixed(report.mazeAttempts.p95, 0) + ", max " + Fixed(report.mazeAttempts.max, 0));
  line("Restarts:", std::to_string(report.restarts) + " (after the rooms left the world bounds)");
  line("Rooms per level:", "mean " + Fixed(report.roomsPerLevel.mean, 2) + ", min " +
                               Fixed(report.roomsPerLevel.min, 0) + ", max " + Fixed(report.roomsPerLevel.max, 0));
  line("Rooms by type:", CountList(report.roomsByType, TypeName));
  line("Rooms by file:", CountList(report.roomsByFile, Same));
  line("Entities by class:", CountList(report.entitiesByClass, Same));
  line("Entities by depth:", CountList(report.entitiesByDepthBand, BandName));
  line("Skies:", CountList(report.skies, Same));
  line("Time per level:", "median " + Fixed(report.secondsPerLevel.median, 3) + " s, 95th percentile " +
                              Fixed(report.secondsPerLevel.p95, 3) + " s");
  return text;
}

std::string ReportJson(const BatchReport& report) {
  const std::string failures = JsonCounts(report.failures, Same);
  std::string text = "{\n";
  text += "  \"levels\": " + std::to_string(report.count) + ",\n";
  text += "  \"firstSeed\": " + std::to_string(report.firstSeed) + ",\n";
  text += "  \"succeeded\": " + std::to_string(report.succeeded) + ",\n";
  text += "  \"failed\": " + std::to_string(report.count - report.succeeded) + ",\n";
  text += "  \"failures\": " + failures + ",\n";
  text += "  \"mazeAttempts\": {\"mean\": " + JsonNumber(report.mazeAttempts.mean) +
          ", \"p95\": " + JsonNumber(report.mazeAttempts.p95) + ", \"max\": " + JsonNumber(report.mazeAttempts.max) + "},\n";
  text += "  \"restarts\": " + std::to_string(report.restarts) + ",\n";
  text += "  \"roomsPerLevel\": {\"mean\": " + JsonNumber(report.roomsPerLevel.mean) +
          ", \"min\": " + JsonNumber(report.roomsPerLevel.min) + ", \"max\": " + JsonNumber(report.roomsPerLevel.max) + "},\n";
  text += "  \"roomsByType\": " + JsonCounts(report.roomsByType, TypeName) + ",\n";
  text += "  \"roomsByFile\": " + JsonCounts(report.roomsByFile, Same) + ",\n";
  text += "  \"entitiesByClass\": " + JsonCounts(report.entitiesByClass, Same) + ",\n";
  text += "  \"entitiesByDepth\": " + JsonCounts(report.entitiesByDepthBand, BandName) + ",\n";
  text += "  \"skies\": " + JsonCounts(report.skies, Same) + ",\n";
  text += "  \"secondsPerLevel\": {\"median\": " + JsonNumber(report.secondsPerLevel.median) +
          ", \"p95\": " + JsonNumber(report.secondsPerLevel.p95) + "}\n";
  return text + "}\n";
}

}  // namespace vendrel::cli
