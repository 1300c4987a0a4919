// Time of GetReady for one room of 5,000 and of 30,000 items: read, turn, move, expand
// with a simple spawn step, clean, rename, renumber and print.
#include "quiet_host.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "clock.h"
#include "engine.h"
#include "log_service.h"
#include "random_source.h"
#include "room_preparation.h"

namespace {

using vendrel::Items;


void Row(std::string& text, const std::string& key, const std::string& value) {
  text += "\"" + key + "\" \"" + value + "\"\r\n";
}

// Body rows of about `items` items: four fifths brushes, the rest named entities with
// connections and placeholders. Returns the number of items written.
std::size_t RoomBody(std::size_t items, std::string& text) {
  std::size_t written = 0;
  int id = 1;
  int solid = 0;
  while (written < items * 4 / 5) {
    text += "solid\r\n{\r\n";
    Row(text, "id", std::to_string(id++));
    for (int side = 0; side < 6; ++side) {
      text += "side\r\n{\r\n";
      Row(text, "id", std::to_string(id++));
      Row(text, "plane", "(-64 " + std::to_string(solid % 50 * 64) + " 0) (-64 64 0) (64 64 128)");
      Row(text, "material", "CONCRETE/CONCRETEFLOOR001A");
      Row(text, "uaxis", "[1 0 0 0] 0.25");
      Row(text, "vaxis", "[0 -1 0 0] 0.25");
      Row(text, "rotation", "0");
      Row(text, "lightmapscale", "16");
      Row(text, "smoothing_groups", "0");
      text += "}\r\n";
    }
    text += "editor\r\n{\r\n";
    Row(text, "color", "0 180 0");
    Row(text, "visgroupshown", "1");
    Row(text, "visgroupautoshown", "1");
    text += "}\r\n}\r\n";
    written += 128;
    ++solid;
  }
  text += "/\\/worldend\\/\\\r\n";
  ++written;
  for (int entity = 0; written < items; ++entity) {
    const std::string name = "door" + std::to_string(entity);
    text += "entity\r\n{\r\n";
    Row(text, "id", std::to_string(id++));
    Row(text, "classname", entity % 4 == 0 ? "quilla_weapon" : "func_door");
    Row(text, "targetname", name);
    Row(text, "origin", std::to_string(entity % 100) + " -32 8");
    Row(text, "angles", "0 90 0");
    text += "connections\r\n{\r\n";
    Row(text, "OnOpen", "door" + std::to_string(entity + 1) + ",Close,,5,-1");
    Row(text, "OnClose", "!activator,Kill,,0,-1");
    text += "}\r\n}\r\n";
    written += 22;
  }
  return written;
}

// Places a weapon after every weapon placeholder and copies the first brush into the world.
void SimpleSpawn(Items& room, Items& worldInserts, double, std::string_view) {
  const std::size_t walked = room.size();
  for (std::size_t i = 0; i + 1 < walked; ++i) {
    if (room[i] == "classname" && room[i + 1] == "quilla_weapon") {
      room.insert(room.end(), {"entity", "{", "id", "Insert ID Here", "classname", "weapon_smg1",
                               "angles", "0 0 0", "origin", "0 0 0", "}"});
    }
  }
  const auto firstEnd = std::find(room.begin(), room.end(), "editor");
  worldInserts.assign(room.begin(), firstEnd);
  worldInserts.insert(worldInserts.end(), {"}"});
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "vendrel-get-ready-bench";
  std::filesystem::create_directories(folder);
  vendrel::QuietHost host;
  vendrel::SystemClock clock;
  vendrel::RandomSource random(clock);
  vendrel::LogService log(host, clock, folder);
  vendrel::Engine engine{host, clock, random, log, folder};

  for (const std::size_t target : {std::size_t{5000}, std::size_t{30000}}) {
    std::string text = "Bench Room\r\n 0 \r\n0\r\n" + std::string(16, '\n') + " \r\n \r\n";
    const std::size_t items = RoomBody(target, text);
    text += "/\\/EOF\\/\\\r\n";
    const auto roomFile = folder / ("bench" + std::to_string(target) + ".rgr");
    std::ofstream(roomFile, std::ios::binary) << text;

    const int runs = 7;
    double best = 1e9, sum = 0;
    vendrel::RoomTimings bestSteps;
    for (int run = 0; run < runs; ++run) {
      vendrel::LevelWriter writer(folder / "temp.dta");
      Items entityLines;
      vendrel::RoomAssembly assembly(writer, entityLines, SimpleSpawn, 10, false);
      vendrel::ConnectorPositions connectors{};
      long long nextId = 2;
      const auto start = std::chrono::steady_clock::now();
      const auto result = vendrel::GetReady(engine, assembly, roomFile, {1024, -512, 0}, 0.5F,
                                            nextId, 1, connectors, false);
      writer.Close();
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (result.restartRequested || entityLines.empty()) return 1;
      sum += seconds;
      if (seconds < best) {
        best = seconds;
        bestSteps = result.timings;
      }
    }
    auto ms = [](float seconds) { return seconds * 1000.0; };
    std::printf(
        "GetReady: %zu items, best of %d: %.2f ms (mean %.2f ms) = %.0f items/s\n"
        "  steps of the best run (ms): read %.2f, turn %.2f, move %.2f, spawn %.2f, remove %.2f, "
        "names %.2f, ids %.2f, print %.2f\n",
        items, runs, best * 1000, sum / runs * 1000, static_cast<double>(items) / best,
        ms(bestSteps.read), ms(bestSteps.turn), ms(bestSteps.move), ms(bestSteps.spawn),
        ms(bestSteps.remove), ms(bestSteps.names), ms(bestSteps.ids), ms(bestSteps.print));
  }
  log.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
