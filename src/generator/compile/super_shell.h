#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"
#include "host.h"

namespace vendrel {

// 0: console output to the listener only; 6: also to be shown without taking the focus;
// 1: a normal start that keeps the generator's terminal.
enum class WindowStyle { Hidden = 0, Normal = 1, MinimisedNoActivate = 6 };

// The idle priority class: SCHED_IDLE and nice 19.
inline constexpr int kIdlePriorityClass = 64;

// $WINE, else "wine": what runs a Windows program.
std::string WineProgram();

// An absolute Linux path as a Windows program under Wine reads it (drive Z: is the root);
// any other argument as it is.
std::string WinePathOf(std::string_view argument);

// A file that begins with "MZ" is a Windows program.
bool IsWindowsProgram(const std::string& file);

// A program that could not be started at all.
class ProcessStartError : public std::runtime_error {
 public:
  ProcessStartError(const std::string& program, int errorNumber);
  int ErrorNumber() const { return errorNumber_; }

 private:
  int errorNumber_;
};

// Starts programs from argument lists, never through a shell; Windows programs through the
// Wine runner. A waited-for program runs in a process group of its own, so a kill takes
// its children with it.
class ProcessRunner {
 public:
  using OutputListener = std::function<void(std::string_view line, WindowStyle style)>;

  ProcessRunner(Host& host, const Clock& clock, std::string wineProgram = WineProgram());
  ~ProcessRunner();
  ProcessRunner(const ProcessRunner&) = delete;
  ProcessRunner& operator=(const ProcessRunner&) = delete;

  // Receives the console output of the programs SuperShell waits for, line by line.
  void SetOutputListener(OutputListener listener) { listener_ = std::move(listener); }

  // Starts the program and waits for it, yielding to the host every 50 ms; returns the
  // seconds it ran, or nothing when KillCompiler ended it. Throws ProcessStartError when
  // it cannot be started, MapErrorExit when a requested kill fails.
  std::optional<double> SuperShell(const std::vector<std::string>& commandLine,
                                   WindowStyle windowStyle, int priorityClass);

  // Asks the waiting loop to kill the program's whole process group.
  void KillCompiler() { killRequest_ = true; }
  bool Running() const { return running_ > 0; }

  // Starts the program without waiting, in a session of its own so that it outlives the
  // generator. Throws ProcessStartError when it cannot be started.
  void Launch(const std::vector<std::string>& commandLine);

 private:
  std::vector<std::string> Arguments(const std::vector<std::string>& commandLine) const;
  void WaitForOutput(int& outputFd, std::string& pending, WindowStyle style);
  void Drain(int& outputFd, std::string& pending, WindowStyle style);
  void KillRunningGroup();

  Host& host_;
  const Clock& clock_;
  std::string wineProgram_;
  OutputListener listener_;
  volatile bool killRequest_ = false;
  pid_t running_ = 0;
};

}  // namespace vendrel
