#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "random_source.h"
#include "spawn_data.h"
#include "spawn_entity.h"

namespace vendrel {

struct PlacedMonster {
  std::string className;
  KeyValues keys;  // one drawn option for each of the record's extra keys
};

// A monster of the room's enemy kind (any kind when it is empty) whose depth, scaled by
// the enemies setting, the room has reached; nothing when none qualifies.
std::optional<PlacedMonster> ChooseMonster(RandomSource& random,
                                           const std::vector<MonsterRecord>& monsters,
                                           int enemyBar, float depth,
                                           std::string_view spawnKind);

}  // namespace vendrel
