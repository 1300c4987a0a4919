#include "spawn_data_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "map_format_error.h"
#include "spawn_fixture.h"
#include "temp_folder.h"

namespace vendrel::testing {
namespace {

class SpawnDataCacheTest : public ::testing::Test {
 protected:
  SpawnDataCacheTest() {
    WriteItems("item_healthkit");
    WriteFile(folder.Path() / kGunDataFile,
              DataLines({"1", "0", "weapon_crowbar", "-", "-", "-"}));
    WriteFile(folder.Path() / kNpcDataFile, DataLines({"1", "npc_zombie", "0", "x", "0"}));
  }

  void WriteItems(const std::string& firstName) {
    WriteFile(folder.Path() / kItemDataFile,
              DataLines({"2", firstName, "2", "item_battery", "1"}));
  }

  TempFolder folder;
  SpawnDataCache cache;
};

TEST_F(SpawnDataCacheTest, ReadsWhatTheFilesHold) {
  const SpawnData& data = cache.Read(folder.Path());
  ASSERT_EQ(data.items.size(), 2u);
  EXPECT_EQ(data.items[0].name, "item_healthkit");
  ASSERT_EQ(data.weapons.size(), 1u);
  EXPECT_EQ(data.weapons[0].className, "weapon_crowbar");
  ASSERT_EQ(data.monsters.size(), 1u);
  EXPECT_EQ(cache.Read(folder.Path()).items[0].name, "item_healthkit");
}

// Same length, so only the modification time tells the edit apart.
TEST_F(SpawnDataCacheTest, FileChangedDuringTheRunIsReadAgain) {
  ASSERT_EQ(cache.Read(folder.Path()).items[0].name, "item_healthkit");
  const auto file = folder.Path() / kItemDataFile;
  const auto before = std::filesystem::last_write_time(file);
  WriteItems("item_healthvial");
  std::filesystem::last_write_time(file, before + std::chrono::seconds(2));
  EXPECT_EQ(cache.Read(folder.Path()).items[0].name, "item_healthvial");
  WriteItems("item_suitcharger_big");
  EXPECT_EQ(cache.Read(folder.Path()).items[0].name, "item_suitcharger_big");
}

TEST_F(SpawnDataCacheTest, FileGoneOrBrokenFailsEveryTimeAndKeepsNothing) {
  cache.Read(folder.Path());
  std::filesystem::remove(folder.Path() / kGunDataFile);
  EXPECT_THROW(cache.Read(folder.Path()), MapFormatError);
  EXPECT_THROW(cache.Read(folder.Path()), MapFormatError);
  WriteFile(folder.Path() / kGunDataFile, DataLines({"2", "0", "weapon_crowbar", "-", "-", "-"}));
  EXPECT_THROW(cache.Read(folder.Path()), MapFormatError);
  WriteFile(folder.Path() / kGunDataFile,
            DataLines({"1", "0", "weapon_pistol", "item_ammo_pistol", "-", "-"}));
  EXPECT_EQ(cache.Read(folder.Path()).weapons[0].className, "weapon_pistol");
}

}  // namespace
}  // namespace vendrel::testing
