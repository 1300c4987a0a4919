#pragma once

#include <filesystem>
#include <string_view>

#include "engine.h"
#include "room_text.h"
#include "run_options.h"
#include "share_list.h"
#include "spawn_data_cache.h"
#include "sun_position.h"
#include "weapons_given.h"

namespace vendrel {

// What the placeholder expansion needs from the run. The run empties shareList at its
// start and weaponsGiven before each level.
struct SpawnContext {
  const Engine& engine;
  const RunOptions& options;
  std::filesystem::path dataFolder;  // holds itemdata.ini, gundata.ini, npcdata.ini
  SunValues sun;
  ShareList shareList;
  WeaponsGiven weaponsGiven;
  SpawnDataCache spawnData{};
};

// Expands the placeholders of one room: appends the weapons, items, ammunition and
// monsters they become, the light and sun at each player start, and a spawn
// controller's drawn entity, all at the end of the room (a spawn group's brushes go to
// worldInserts). The placeholders stay; removing them is the room preparation's job.
// Reads the three data files afresh (through the context's cache, which parses a file
// again whenever it changed); bad data ends the run through MapError naming the
// file and line. A spawn share that is not a number throws RoomValueError, which points
// at the value in the room text.
void SpawnRands(SpawnContext& context, Items& room, Items& worldInserts, float depth,
                std::string_view spawnKind);

}  // namespace vendrel
