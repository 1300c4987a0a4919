#include "log_service.h"

#include <cstdio>

#include "number_text.h"

namespace vendrel {

std::string TimeText(const LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  return text;
}

std::string LogService::Number(double value) const { return WithDecimalSymbol(FormatNumber(value)); }

std::string LogService::SingleNumber(float value) const { return WithDecimalSymbol(FormatSingle(value)); }

std::string LogService::WithDecimalSymbol(std::string text) const {
  if (decimalSymbol_.empty() || decimalSymbol_ == ".") return text;
  return PointToLocale(text, decimalSymbol_);
}

LogService::LogService(Host& host, const Clock& clock, std::filesystem::path programFolder)
    : host_(host), clock_(clock), programFolder_(std::move(programFolder)) {}

LogService::~LogService() { Close(); }

void LogService::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

bool LogService::Open() {
  const LocalTime now = clock_.Now();
  path_ = programFolder_ / ("quillalog " + std::to_string(now.day) + "-" + std::to_string(now.hour) +
                            "-" + std::to_string(now.minute) + ".log");
  file_ = std::fopen(path_.c_str(), "wb");
  return file_ != nullptr;
}

bool LogService::WriteLine(std::string_view text) {
  std::string line = "[" + TimeText(clock_.Now()) + "] ";
  line.append(text);
  line.append("\r\n");
  return std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
}

void LogService::Log(std::string_view text, bool slow, bool onlyLogFile, bool notCompiling) {
  if (file_ == nullptr) {
    if (!Open()) {
      host_.Yield();
      return;
    }
    Log("Vendrel Log File", false, true);
  }
  if (slow && !detailedStatus_) return;
  if ((notCompiling || logEnabled_) && !WriteLine(text)) {
    host_.Yield();
    return;
  }
  if (!onlyLogFile) {
    host_.SetStatus(text);
    host_.Yield();
  }
}

}  // namespace vendrel
