#include "super_shell.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "map_error.h"

namespace vendrel {
namespace {

constexpr int kPollMilliseconds = 50;

// What the child reports through its close-on-exec status pipe before it runs the program.
constexpr char kPriorityFailed = 'P';
constexpr char kStartFailed = 'E';

struct Pipe {
  int read = -1, write = -1;
  explicit Pipe(int flags) {
    int ends[2];
    if (pipe2(ends, flags) != 0) throw ProcessStartError("a pipe", errno);
    read = ends[0];
    write = ends[1];
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  void CloseRead() {
    if (read >= 0) close(read);
    read = -1;
  }
  void CloseWrite() {
    if (write >= 0) close(write);
    write = -1;
  }
};

struct ChildSetup {
  bool ownGroup = false;
  bool newSession = false;
  bool idle = false;
  int outputFd = -1;  // -1 keeps the generator's own output
};

void WriteAll(int fd, const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written <= 0) return;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

// After fork: only async-signal-safe calls until exec.
[[noreturn]] void RunChild(char* const* argv, const ChildSetup& setup, int statusFd) {
  if (setup.newSession) setsid();
  if (setup.ownGroup) setpgid(0, 0);
  if (setup.idle) {
    sched_param param{};
    param.sched_priority = 0;
    const bool idleSet = sched_setscheduler(0, SCHED_IDLE, &param) == 0;
    errno = 0;
    const bool niceSet = setpriority(PRIO_PROCESS, 0, 19) == 0;
    if (!idleSet || !niceSet) WriteAll(statusFd, &kPriorityFailed, 1);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  signal(SIGPIPE, SIG_DFL);
  signal(SIGINT, SIG_DFL);
  const int devNull = open("/dev/null", O_RDONLY);
  if (devNull >= 0) {
    dup2(devNull, STDIN_FILENO);
    close(devNull);
  }
  if (setup.outputFd >= 0) {
    dup2(setup.outputFd, STDOUT_FILENO);
    dup2(setup.outputFd, STDERR_FILENO);
    close(setup.outputFd);
  }
  execvp(argv[0], argv);
  const int error = errno;
  WriteAll(statusFd, &kStartFailed, 1);
  WriteAll(statusFd, &error, sizeof error);
  _exit(127);
}

struct ChildReport {
  bool priorityFailed = false;
  int startError = 0;
};

// Reads the status pipe until the program runs (exec closes it) or the child gives up.
ChildReport ReadChildReport(int statusFd) {
  ChildReport report;
  std::string bytes;
  char buffer[64];
  for (;;) {
    const ssize_t got = read(statusFd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == kPriorityFailed) report.priorityFailed = true;
    if (bytes[at] != kStartFailed) continue;
    if (at + 1 + sizeof(int) <= bytes.size()) {
      std::memcpy(&report.startError, bytes.data() + at + 1, sizeof(int));
    }
    if (report.startError == 0) report.startError = ENOEXEC;
    break;
  }
  return report;
}

std::vector<char*> ArgvOf(std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return argv;
}

int Reap(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

}  // namespace

std::string WineProgram() {
  const char* wine = std::getenv("WINE");
  return wine != nullptr && *wine != '\0' ? wine : "wine";
}

bool IsWindowsProgram(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

ProcessStartError::ProcessStartError(const std::string& program, int errorNumber)
    : std::runtime_error(program + " could not be started: " + std::strerror(errorNumber)),
      errorNumber_(errorNumber) {}

ProcessRunner::ProcessRunner(Host& host, const Clock& clock, std::string wineProgram)
    : host_(host), clock_(clock), wineProgram_(std::move(wineProgram)) {}

ProcessRunner::~ProcessRunner() {
  // A program still running when its waiter unwinds must not outlive it.
  if (running_ > 0) KillRunningGroup();
}

std::string WinePathOf(std::string_view argument) {
  if (!argument.starts_with('/')) return std::string(argument);
  std::string windowsPath = "Z:";
  for (const char c : argument) windowsPath += c == '/' ? '\\' : c;
  return windowsPath;
}

std::vector<std::string> ProcessRunner::Arguments(const std::vector<std::string>& commandLine) const {
  if (commandLine.empty()) throw ProcessStartError("an empty command line", EINVAL);
  if (!IsWindowsProgram(commandLine.front())) return commandLine;
  // The runner takes the program's own path as it is; the program itself reads its
  // arguments as Windows paths, and Wine's drive Z: is the Linux root.
  std::vector<std::string> arguments{wineProgram_, commandLine.front()};
  for (std::size_t i = 1; i < commandLine.size(); ++i) arguments.push_back(WinePathOf(commandLine[i]));
  return arguments;
}

void ProcessRunner::KillRunningGroup() {
  kill(-running_, SIGKILL);
  Reap(running_);
  running_ = 0;
}

void ProcessRunner::Drain(int& outputFd, std::string& pending, WindowStyle style) {
  if (outputFd < 0) return;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(outputFd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;  // nothing more for now
    if (got == 0) {
      close(outputFd);
      outputFd = -1;
      break;
    }
    pending.append(buffer, static_cast<std::size_t>(got));
  }
  std::size_t start = 0;
  for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string_view line(pending.data() + start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (listener_) listener_(line, style);
  }
  pending.erase(0, start);
}

void ProcessRunner::WaitForOutput(int& outputFd, std::string& pending, WindowStyle style) {
  if (outputFd < 0) {
    poll(nullptr, 0, kPollMilliseconds);
    return;
  }
  pollfd watched{outputFd, POLLIN, 0};
  poll(&watched, 1, kPollMilliseconds);
  Drain(outputFd, pending, style);
}

std::optional<double> ProcessRunner::SuperShell(const std::vector<std::string>& commandLine,
                                                WindowStyle windowStyle, int priorityClass) {
  std::vector<std::string> arguments = Arguments(commandLine);
  std::vector<char*> argv = ArgvOf(arguments);
  Pipe status(O_CLOEXEC);
  Pipe output(O_CLOEXEC);
  ChildSetup setup;
  setup.ownGroup = true;
  setup.idle = priorityClass == kIdlePriorityClass;
  const bool captured = windowStyle != WindowStyle::Normal;
  if (captured) setup.outputFd = output.write;

  const pid_t pid = fork();
  if (pid < 0) throw ProcessStartError(commandLine.front(), errno);
  if (pid == 0) RunChild(argv.data(), setup, status.write);
  setpgid(pid, pid);  // also here, so a kill cannot come before the child made its group
  running_ = pid;
  status.CloseWrite();
  output.CloseWrite();
  const ChildReport report = ReadChildReport(status.read);
  if (report.startError != 0) {
    Reap(pid);
    running_ = 0;
    throw ProcessStartError(commandLine.front(), report.startError);
  }
  host_.Yield();
  if (report.priorityFailed) {
    host_.Message("Vendrel", "ERROR: Could not set priority!", MessageIcon::Critical,
                  MessageButtons::Ok);
  }

  int outputFd = -1;
  if (captured) {
    outputFd = output.read;
    output.read = -1;
    fcntl(outputFd, F_SETFL, O_NONBLOCK);
  }
  // Whatever unwinds through the wait (a front end's exception) takes the program along.
  struct KillOnUnwind {
    ProcessRunner& runner;
    int& fd;
    ~KillOnUnwind() {
      if (fd >= 0) close(fd);
      if (runner.running_ > 0) runner.KillRunningGroup();
    }
  } guard{*this, outputFd};
  std::string pending;
  killRequest_ = false;
  const double start = clock_.SecondsSinceMidnight();
  for (;;) {
    host_.Yield();
    WaitForOutput(outputFd, pending, windowStyle);
    int exitStatus = 0;
    const pid_t done = waitpid(pid, &exitStatus, WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) break;
    if (killRequest_) {
      if (kill(-pid, SIGKILL) != 0 && errno != ESRCH) {
        host_.Message("Warning!", "Fatal error! Could not close compiler! Quilla will now exit...",
                      MessageIcon::Critical, MessageButtons::Ok);
        running_ = 0;
        throw MapErrorExit("Fatal error! Could not close compiler! Quilla will now exit...", false);
      }
      Reap(pid);
      running_ = 0;
      Drain(outputFd, pending, windowStyle);
      return std::nullopt;
    }
  }
  running_ = 0;
  Drain(outputFd, pending, windowStyle);
  if (!pending.empty() && listener_) listener_(pending, windowStyle);
  double seconds = clock_.SecondsSinceMidnight() - start;
  if (seconds < 0) seconds += 24 * 3600;
  return seconds;
}

void ProcessRunner::Launch(const std::vector<std::string>& commandLine) {
  std::vector<std::string> arguments = Arguments(commandLine);
  std::vector<char*> argv = ArgvOf(arguments);
  Pipe status(O_CLOEXEC);
  ChildSetup setup;
  setup.newSession = true;
  // Two forks: the program is nobody's child here, so no zombie waits for this process.
  const pid_t middle = fork();
  if (middle < 0) throw ProcessStartError(commandLine.front(), errno);
  if (middle == 0) {
    const pid_t program = fork();
    if (program == 0) RunChild(argv.data(), setup, status.write);
    _exit(program < 0 ? 127 : 0);
  }
  status.CloseWrite();
  const int middleStatus = Reap(middle);
  const ChildReport report = ReadChildReport(status.read);
  if (report.startError != 0) throw ProcessStartError(commandLine.front(), report.startError);
  if (!WIFEXITED(middleStatus) || WEXITSTATUS(middleStatus) != 0) {
    throw ProcessStartError(commandLine.front(), EAGAIN);
  }
}

}  // namespace vendrel
