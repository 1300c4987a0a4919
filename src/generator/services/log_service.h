#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "clock.h"
#include "host.h"

namespace vendrel {

// The status line and the log file "quillalog D-H-M.log" in the program folder.
class LogService {
 public:
  LogService(Host& host, const Clock& clock, std::filesystem::path programFolder);
  ~LogService();
  LogService(const LogService&) = delete;
  LogService& operator=(const LogService&) = delete;

  // slow: a detail line, dropped unless the detailed status is on.
  // onlyLogFile: not shown in the status line (and no yield).
  // notCompiling: written even when the log file box is unticked.
  void Log(std::string_view text, bool slow = false, bool onlyLogFile = false,
           bool notCompiling = false);

  // The "Write Log File" box; the file is created whatever it says.
  void SetLogEnabled(bool enabled) { logEnabled_ = enabled; }
  bool LogEnabled() const { return logEnabled_; }
  // The "Show More Detailed Status" box.
  void SetDetailedStatus(bool detailed) { detailedStatus_ = detailed; }
  bool DetailedStatus() const { return detailedStatus_; }
  // True when a detail line would change nothing: the file is open and detail is off.
  bool DropsDetail() const { return file_ != nullptr && !detailedStatus_; }

  // The user's decimal symbol, read at start-up: reals joined into log and status texts
  // use it, map text never does. An empty symbol leaves the point.
  void SetDecimalSymbol(std::string symbol) { decimalSymbol_ = std::move(symbol); }
  const std::string& DecimalSymbol() const { return decimalSymbol_; }
  // A real in the shortest form, with the decimal symbol for its point.
  std::string Number(double value) const;
  // A single-precision real in its own seven significant digits.
  std::string SingleNumber(float value) const;

  bool IsOpen() const { return file_ != nullptr; }
  const std::filesystem::path& FilePath() const { return path_; }
  void Close();

  Host& GetHost() const { return host_; }
  const Clock& GetClock() const { return clock_; }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }

 private:
  std::string WithDecimalSymbol(std::string text) const;
  bool Open();
  bool WriteLine(std::string_view text);

  Host& host_;
  const Clock& clock_;
  std::filesystem::path programFolder_;
  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  bool logEnabled_ = true;
  bool detailedStatus_ = false;
  std::string decimalSymbol_ = ".";
};

// "HH:MM:SS", the time form of log lines.
std::string TimeText(const LocalTime& time);

}  // namespace vendrel
