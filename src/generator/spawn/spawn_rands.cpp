#include "spawn_rands.h"

#include "entity_record.h"
#include "level_light.h"
#include "map_error.h"
#include "map_format_error.h"
#include "monster_choice.h"
#include "spawn_data.h"
#include "spawn_entity.h"
#include "spawn_groups.h"
#include "weapon_choice.h"

namespace vendrel {
namespace {

constexpr std::size_t kMinItemRecords = 3;
// What a room works with when its data files could not be read.
const SpawnData kNoData;

// An item drawn by weight: a class name, "weapon", "ammo", or empty when nothing is drawn.
std::string DrawItem(const Engine& engine, const std::vector<ItemRecord>& items,
                     ShareList& shareList, bool itemsOnly) {
  if (items.size() < kMinItemRecords) {
    MapError(engine, "No valid items to place on map! Check for itemdata.ini corruption!", false);
  }
  shareList.Clear();
  for (const ItemRecord& item : items) {
    if (itemsOnly && (item.name == "weapon" || item.name == "ammo")) continue;
    shareList.Add(item.name, item.weight);
  }
  return shareList.Get(engine.random);
}

class Expansion {
 public:
  Expansion(SpawnContext& context, Items& room, Items& worldInserts, float depth,
            std::string_view spawnKind)
      : context_(context),
        engine_(context.engine),
        room_(room),
        worldInserts_(worldInserts),
        depth_(depth),
        spawnKind_(spawnKind) {
    try {
      data_ = &context.spawnData.Read(context.dataFolder);
    } catch (const MapFormatError& error) {
      MapError(engine_, error.what(), false);
    }
  }

  void Run() {
    // Entities appended during the walk are not walked.
    const std::size_t itemCount = room_.size();
    int entityDepth = -1;
    for (std::size_t i = 0; i < itemCount; ++i) {
      if (room_[i] == "entity") {
        entityDepth = 0;
      } else if (room_[i] == "{") {
        if (entityDepth >= 0) ++entityDepth;
      } else if (room_[i] == "}") {
        if (entityDepth >= 0 && --entityDepth == 0) {
          entityDepth = -1;
          HandleEntity();
        }
      } else if (entityDepth >= 0) {
        if (RecordValue* field = record_.FieldFor(room_[i])) {
          field->text = i + 1 < itemCount ? room_[i + 1] : std::string();
          field->item = i + 1;
          ++i;
        }
      }
    }
  }

 private:
  void HandleEntity() {
    const std::string& className = record_.classname.text;
    if (className == "quilla_spawn_contoller") {
      DrawSpawnGroup(engine_.random, context_.shareList, record_, room_, worldInserts_);
    } else if (className == "info_player_start") {
      AppendLightAndSun(room_, context_.sun, context_.options.skipLights, record_.origin.text);
    } else if (className == "quilla_weapon" || className == "quilla_item") {
      ApplySpawnWhat();
    } else if (className == "quilla_npc") {
      PlaceMonster();
    }
  }

  void ApplySpawnWhat() {
    if (record_.spawnwhat.text.empty()) record_.spawnwhat.text.push_back('0');
    const std::string& what = record_.spawnwhat.text;
    std::string placed;
    if (what == "0" || what == "4") {
      const std::string drawn = DrawItem(engine_, data_->items, context_.shareList, what == "4");
      if (drawn == "weapon") {
        placed = Weapon();
      } else if (drawn == "ammo") {
        placed = Ammunition(false);
      } else {
        placed = drawn;
      }
    } else if (what == "1") {
      placed = Weapon();
    } else if (what == "2") {
      placed = Ammunition(false);
    } else if (what == "3") {
      placed = Ammunition(true);
    }
    if (!placed.empty()) Append(placed, {});
  }

  std::string Weapon() {
    return ChooseWeapon(engine_, data_->weapons, context_.weaponsGiven,
                        context_.options.newWeapons, depth_);
  }

  std::string Ammunition(bool open) {
    return ChooseAmmunition(engine_, data_->weapons, context_.weaponsGiven, open);
  }

  void PlaceMonster() {
    if (context_.options.noMonsters) return;
    const auto monster = ChooseMonster(engine_.random, data_->monsters, context_.options.enemies,
                                       depth_, spawnKind_);
    if (monster) Append(monster->className, monster->keys);
  }

  void Append(std::string_view className, const KeyValues& extraKeys) {
    KeyValues pairs{{"angles", record_.angles.text}, {"origin", record_.origin.text}};
    pairs.insert(pairs.end(), extraKeys.begin(), extraKeys.end());
    AppendEntity(room_, className, pairs);
  }

  SpawnContext& context_;
  const Engine& engine_;
  Items& room_;
  Items& worldInserts_;
  float depth_;
  std::string_view spawnKind_;
  const SpawnData* data_ = &kNoData;
  EntityRecord record_;
};

}  // namespace

void SpawnRands(SpawnContext& context, Items& room, Items& worldInserts, float depth,
                std::string_view spawnKind) {
  Expansion expansion(context, room, worldInserts, depth, spawnKind);
  expansion.Run();
}

}  // namespace vendrel
