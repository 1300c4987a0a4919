// Times the placeholder expansion of one room, data file reading included, for rooms of
// 5,000 and 30,000 items with a placeholder in every tenth entity.
#include "quiet_host.h"
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine.h"
#include "log_service.h"
#include "spawn_rands.h"

namespace {

using namespace vendrel;


void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

void WriteData(const std::filesystem::path& folder) {
  WriteText(folder / "itemdata.ini",
            "5\r\nitem_healthkit\r\n3\r\nitem_battery\r\n2\r\nweapon\r\n1\r\nammo\r\n2\r\n"
            "item_healthvial\r\n3\r\n");
  std::string guns = "8\r\n";
  for (int i = 0; i < 8; ++i) {
    guns += std::to_string(i * 15) + "\r\nweapon_" + std::to_string(i) + "\r\nitem_ammo_" +
            std::to_string(i) + "\r\n-\r\n-\r\n";
  }
  WriteText(folder / "gundata.ini", guns);
  std::string npcs = "40\r\n";
  for (int i = 0; i < 40; ++i) {
    npcs += "npc_" + std::to_string(i) + "\r\n" + std::to_string(i * 3) + "\r\n" +
            (i % 2 ? "c" : "x") + "\r\n1\r\nadditionalequipment 2\r\nweapon_smg1 weapon_ar2\r\n";
  }
  WriteText(folder / "npcdata.ini", npcs);
}

Items MakeRoom(std::size_t itemCount) {
  Items room{std::string(kWorldEndMarker)};
  const char* classes[] = {"quilla_item", "quilla_weapon", "quilla_npc", "prop_static",
                           "prop_static", "prop_static", "prop_static", "prop_static",
                           "prop_static", "prop_static"};
  for (std::size_t n = 0; room.size() < itemCount; ++n) {
    const Items entity{"entity", "{", "id", std::to_string(n), "classname", classes[n % 10],
                       "spawnwhat", std::to_string(n % 5), "angles", "0 90 0", "origin",
                       "1 2 3", "}"};
    room.insert(room.end(), entity.begin(), entity.end());
  }
  return room;
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "vendrel-spawn-bench";
  std::filesystem::create_directories(folder);
  WriteData(folder);
  vendrel::QuietHost host;
  SystemClock clock;
  RandomSource random(clock);
  LogService log(host, clock, folder);
  Engine engine{host, clock, random, log, folder};
  RunOptions options;
  SpawnContext context{engine, options, folder, CalcSunAngle(options), {}, {}};

  for (const std::size_t size : {5000u, 30000u}) {
    const Items original = MakeRoom(size);
    constexpr int kRounds = 50;
    std::size_t appended = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) {
      Items room = original;
      Items worldInserts;
      SpawnRands(context, room, worldInserts, 0.8F, "");
      appended += room.size() - original.size();
      context.weaponsGiven.Clear();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds;
    std::printf("SpawnRands, room of %zu items: %.3f ms a room, %.1f million items/s, %zu items "
                "appended a room\n",
                original.size(), seconds * 1e3, original.size() / seconds / 1e6,
                appended / kRounds);
  }
  std::filesystem::remove_all(folder);
}
