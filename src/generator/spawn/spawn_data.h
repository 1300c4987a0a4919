#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vendrel {

inline constexpr std::size_t kMaxItemRecords = 100;
inline constexpr std::size_t kMaxWeaponRecords = 100;
inline constexpr std::size_t kMaxMonsterRecords = 32000;
inline constexpr int kMaxMonsterKeys = 6;

// An item a random item placeholder may become; the names "weapon" and "ammo" stand for a
// weapon or ammunition chosen by the weapon rules.
struct ItemRecord {
  std::string name;
  double weight = 0;
};

struct WeaponRecord {
  double depth = 0;  // as written: depth times 100
  std::string className;
  std::string ammunition1, ammunition2, ammunition3;  // empty where the file says "-"
};

// A key every placed monster of a record receives, with one of its first `optionCount`
// blank-separated options.
struct MonsterKey {
  std::string name;
  int optionCount = 0;
  std::string options;
};

struct MonsterRecord {
  std::string className;
  double depth = 0;  // already divided by 100
  std::string kind;
  std::vector<MonsterKey> keys;
};

struct SpawnData {
  std::vector<ItemRecord> items;
  std::vector<WeaponRecord> weapons;
  std::vector<MonsterRecord> monsters;
};

// Each reader throws MapFormatError naming the file and line when the file is missing,
// ends before its count of records, has a count above its table's limit or below 0, a key
// count outside 0 to 6, a number that is not one, or an item with a control byte.
std::vector<ItemRecord> ReadItemData(const std::filesystem::path& file);
std::vector<WeaponRecord> ReadGunData(const std::filesystem::path& file);
std::vector<MonsterRecord> ReadNpcData(const std::filesystem::path& file);

inline constexpr const char* kItemDataFile = "itemdata.ini";
inline constexpr const char* kGunDataFile = "gundata.ini";
inline constexpr const char* kNpcDataFile = "npcdata.ini";

// The three data files from the folder.
SpawnData ReadSpawnData(const std::filesystem::path& folder);

}  // namespace vendrel
