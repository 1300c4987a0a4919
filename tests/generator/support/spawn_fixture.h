#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine.h"
#include "fixed_clock.h"
#include "log_service.h"
#include "recording_host.h"
#include "run_options.h"
#include "scripted_random.h"
#include "spawn_rands.h"
#include "temp_folder.h"

namespace vendrel::testing {

// Data files with CR LF line ends, as the shipped ones have.
inline std::string DataLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// An entity block of a room as it stands in room text.
inline Items EntityItems(std::initializer_list<std::pair<std::string, std::string>> keys) {
  Items items{"entity", "{"};
  for (const auto& [key, value] : keys) {
    items.push_back(key);
    items.push_back(value);
  }
  items.push_back("}");
  return items;
}

inline void AppendItems(Items& to, const Items& from) { to.insert(to.end(), from.begin(), from.end()); }

// A room's expansion with scripted draws, data files in a temporary program folder and
// every message recorded.
class SpawnFixture : public ::testing::Test {
 protected:
  SpawnFixture() {
    WriteData("itemdata.ini", DataLines({"4", "item_healthkit", "2", "item_battery", "1", "weapon",
                                         "1", "ammo", "1"}));
    WriteData("gundata.ini", DataLines({"3", "0", "weapon_crowbar", "-", "-", "-", "50",
                                        "weapon_pistol", "item_ammo_pistol", "-", "-", "100",
                                        "weapon_smg1", "item_ammo_smg1", "item_ammo_smg1_grenade",
                                        "-"}));
    WriteData("npcdata.ini", DataLines({"2", "npc_zombie", "0", "x", "0", "npc_metropolice", "0",
                                        "C", "1", "additionalequipment 2",
                                        "weapon_pistol weapon_stunstick"}));
  }

  void WriteData(const std::string& name, const std::string& text) {
    WriteFile(folder / name, text);
  }

  // Expands the room; returns the items appended to it.
  Items Expand(Items room, float depth = 1, std::string_view kind = "") {
    const std::size_t before = room.size();
    SpawnRands(context, room, worldInserts, depth, kind);
    expanded = room;
    return Items(room.begin() + static_cast<std::ptrdiff_t>(before), room.end());
  }

  TempFolder folder;
  RecordingHost host;
  FixedClock clock;
  ScriptedRandom random;
  LogService log{host, clock, folder.Path()};
  Engine engine{host, clock, random, log, folder.Path()};
  RunOptions options;
  SpawnContext context{engine, options, folder.Path(), SunValues{}, {}, {}};
  Items worldInserts;
  Items expanded;
};

}  // namespace vendrel::testing
