// Every reader of room files, maps and spawn data on a file holding one 10 MB line of
// commas, of double quotes or of digits: wall time and peak memory of each, read (and
// refused or used) in a child process of its own so the figures do not mix.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "bench_timing.h"
#include "level_map.h"
#include "map_items.h"
#include "room_file.h"
#include "spawn_data.h"

namespace {

using namespace vendrel;

constexpr std::size_t kLineBytes = 10u << 20;

struct Reader {
  const char* name;
  // The text before and after the long line, so the line lands where the reader reads.
  std::string before, after;
  std::function<void(const std::filesystem::path&)> read;
};

std::string RoomHeaderLines() {
  std::string header = "Long\r\n 1 \r\n4\r\n0\r\n512\r\n0\r\n 1 \r\n";
  for (int i = 0; i < 12; ++i) header += "\r\n";
  return header + " none \r\n bench \r\n";
}

const std::string kMapStart = "world\r\n{\r\n\"id\" \"1\"\r\nsolid\r\n{\r\n";
const std::string kMapEnd = "\r\n}\r\n}\r\ncameras\r\n{\r\n}\r\n";

Reader kReaders[] = {
    {"room header", "", "\r\n", [](const auto& file) { ReadRoomHeader(file); }},
    {"room body", RoomHeaderLines() + "solid\r\n{\r\n", "\r\n}\r\n/\\/worldend\\/\\\r\n/\\/EOF\\/\\\r\n",
     [](const auto& file) { ReadRoomBody(file); }},
    {"spawn data", "1\r\n", "\r\n1\r\n", [](const auto& file) { ReadItemData(file); }},
    {"designer map", kMapStart, kMapEnd, [](const auto& file) { roomkit::ReadMapItems(file); }},
    {"map head", "versioninfo\r\n{\r\n", "\r\n}\r\n" + kMapStart + kMapEnd,
     [](const auto& file) { roomkit::ReadMapItems(file); }},
    {"level map", kMapStart, kMapEnd, [](const auto& file) { preview::ReadLevelMap(file); }},
};

struct Line {
  const char* name;
  char fill;
};
constexpr Line kLines[] = {{"commas", ','}, {"quotes", '"'}, {"digits", '7'}};

// Reads in a child; its wall time and peak memory as the parent sees them.
void Measure(const Reader& reader, const Line& line, const std::filesystem::path& file) {
  {
    std::ofstream out(file, std::ios::binary);
    out << reader.before << std::string(kLineBytes, line.fill) << reader.after;
  }
  const BenchWatch watch;
  const pid_t child = fork();
  if (child == 0) {
    int outcome = 0;
    try {
      reader.read(file);
    } catch (const std::exception&) {
      outcome = 1;
    }
    _exit(outcome);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = watch.Wall();
  const bool refused = WIFEXITED(status) && WEXITSTATUS(status) == 1;
  std::printf("%-13s %-7s %8.3f s %8.1f MB  %s\n", reader.name, line.name, seconds,
              static_cast<double>(usage.ru_maxrss) / 1024,
              !WIFEXITED(status) ? "crashed" : refused ? "refused" : "used");
}

}  // namespace

int main() {
  const auto file = std::filesystem::temp_directory_path() / "vendrel-long-line-bench.txt";
  std::printf("reader        line       wall        peak memory  outcome\n");
  for (const Reader& reader : kReaders) {
    for (const Line& line : kLines) Measure(reader, line, file);
  }
  std::filesystem::remove(file);
  return 0;
}
