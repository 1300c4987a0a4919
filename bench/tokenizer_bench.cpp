// Throughput of the item tokenizer on a 50 MB map text, streamed from a file.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "item_tokenizer.h"

namespace {

std::string MapText(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 4096);
  int id = 1;
  while (text.size() < bytes) {
    text += "\tsolid\r\n\t{\r\n\t\t\"id\" \"" + std::to_string(id++) + "\"\r\n";
    for (int side = 0; side < 6; ++side) {
      text += "\t\tside\r\n\t\t{\r\n\t\t\t\"id\" \"" + std::to_string(id++) + "\"\r\n";
      text += "\t\t\t\"plane\" \"(-512 " + std::to_string(side * 64) +
              " 0) (-512 512 0) (512 512 128.5)\"\r\n";
      text += "\t\t\t\"material\" \"CONCRETE/CONCRETEFLOOR001A\"\r\n";
      text += "\t\t\t\"uaxis\" \"[1 0 0 0] 0.25\"\r\n\t\t\t\"vaxis\" \"[0 -1 0 0] 0.25\"\r\n";
      text += "\t\t\t\"rotation\" \"0\"\r\n\t\t\t\"lightmapscale\" \"16\"\r\n";
      text += "\t\t\t\"smoothing_groups\" \"0\"\r\n\t\t}\r\n";
    }
    text += "\t\teditor\r\n\t\t{\r\n\t\t\t\"color\" \"0 180 0\"\r\n";
    text += "\t\t\t\"visgroupshown\" \"1\"\r\n\t\t\t\"visgroupautoshown\" \"1\"\r\n\t\t}\r\n\t}\r\n";
  }
  return text;
}

}  // namespace

int main() {
  const auto file = std::filesystem::temp_directory_path() / "vendrel-tokenizer-bench.vmf";
  const std::string text = MapText(50u << 20);
  std::ofstream(file, std::ios::binary) << text;
  const double megabytes = static_cast<double>(text.size()) / (1 << 20);

  double best = 1e9;
  std::size_t items = 0;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    vendrel::ItemTokenizer tokenizer(file);
    std::string_view item;
    std::size_t count = 0;
    std::size_t bytes = 0;
    while (tokenizer.Next(item)) {
      ++count;
      bytes += item.size();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (bytes == 0) return 1;
    best = std::min(best, seconds);
    items = count;
  }
  std::filesystem::remove(file);
  std::printf("tokenizer: %.1f MB map text, %zu items, best of 5: %.3f s = %.0f MB/s\n", megabytes,
              items, best, megabytes / best);
  return 0;
}
