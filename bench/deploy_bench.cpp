// Time of a whole room deployment (read, scan, turn, renumber, write) for a large room
// turned once, with a host that answers at once.
#include "quiet_host.h"
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "clock.h"
#include "deployment.h"
#include "random_source.h"

namespace {


class NoDisplay final : public vendrel::roomkit::KitDisplay {
 public:
  void Show(vendrel::roomkit::KitField, std::string_view) override {}
};

std::string Entity(const std::string& keys) {
  return "entity\r\n{\r\n\"id\" \"1\"\r\n" + keys + "}\r\n";
}

std::string RoomMap(int solids) {
  std::string text =
      "versioninfo\r\n{\r\n\"editorversion\" \"400\"\r\n}\r\nworld\r\n{\r\n\"id\" \"1\"\r\n";
  for (int solid = 0; solid < solids; ++solid) {
    text += "solid\r\n{\r\n\"id\" \"" + std::to_string(solid) + "\"\r\n";
    // The floor slab of a room, a closed box, once for each solid.
    for (const char* plane :
         {"(-512 512 0) (512 512 0) (512 -512 0)", "(-512 -512 -16) (512 -512 -16) (512 512 -16)",
          "(-512 512 0) (-512 -512 0) (-512 -512 -16)", "(512 512 -16) (512 -512 -16) (512 -512 0)",
          "(512 512 0) (-512 512 0) (-512 512 -16)", "(512 -512 -16) (-512 -512 -16) (-512 -512 0)"}) {
      text += "side\r\n{\r\n\"id\" \"1\"\r\n\"plane\" \"" + std::string(plane) +
              "\"\r\n\"material\" \"CONCRETE/CONCRETEFLOOR001A\"\r\n"
              "\"uaxis\" \"[1 0 0 0] 0.25\"\r\n\"vaxis\" \"[0 -1 0 0] 0.25\"\r\n\"rotation\" "
              "\"0\"\r\n}\r\n";
    }
    text += "editor\r\n{\r\n\"color\" \"0 180 0\"\r\n}\r\n}\r\n";
  }
  text += "}\r\n";
  text +=
      Entity("\"classname\" \"quilla_info\"\r\n\"roomname\" \"Bench\"\r\n\"roomtype\" \"4\"\r\n");
  text += Entity(
      "\"classname\" \"quilla_connector\"\r\n\"direction\" \"1\"\r\n\"size\" \"1\"\r\n"
      "\"origin\" \"512 0 0\"\r\n");
  text += Entity("\"classname\" \"light\"\r\n\"origin\" \"0 0 64\"\r\n");
  text += Entity("\"classname\" \"quilla_weapon\"\r\n\"origin\" \"0 0 16\"\r\n");
  return text + "cameras\r\n{\r\n}\r\n";
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "vendrel-deploy-bench";
  std::filesystem::create_directories(folder);
  const auto map = folder / "bench.vmf";
  constexpr int kSolids = 10000;
  std::ofstream(map, std::ios::binary) << RoomMap(kSolids);

  vendrel::QuietHost host;
  NoDisplay display;
  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    std::filesystem::remove_all(folder / "rooms");
    const auto start = std::chrono::steady_clock::now();
    const auto result =
        vendrel::roomkit::DeployRoom({host, display, random, folder / "rooms"}, map);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result.outcome != vendrel::roomkit::DeployOutcome::Deployed) {
      std::fprintf(stderr, "deploy_bench: the room was not deployed: %s\n", result.fault.c_str());
      return 1;
    }
    best = std::min(best, seconds);
  }
  const double megabytes = static_cast<double>(std::filesystem::file_size(map)) / (1 << 20);
  std::filesystem::remove_all(folder);
  std::printf(
      "deploy: %d solids (%.1f MB map, over %d items), turned 3 times, best of 3: %.3f s, "
      "%ld yields in all\n",
      kSolids, megabytes, kSolids * 100, best, host.yields);
  return 0;
}
