#include "spawn_data.h"

#include <gtest/gtest.h>

#include <string>

#include "map_format_error.h"
#include "param_name.h"
#include "spawn_fixture.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

using testing::DataLines;

TEST(SpawnData, ReadsTheThreeFiles) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "itemdata.ini",
                     DataLines({"3", "item_healthkit", "2.5", "\"weapon\"", "1", "  ammo", "0"}));
  testing::WriteFile(folder / "gundata.ini",
                     DataLines({"2", "0", "weapon_crowbar", "-", "-", "-", "50", "weapon_smg1",
                                "item_ammo_smg1", "-", "item_box_buckshot"}));
  testing::WriteFile(folder / "npcdata.ini",
                     DataLines({"2", "npc_zombie", "25", "X", "0", "npc_combine_s", "150", "c", "2",
                                "model 1", "models/combine_soldier.mdl", "additionalequipment 3",
                                "weapon_smg1 weapon_ar2"}));

  const SpawnData data = ReadSpawnData(folder.Path());

  ASSERT_EQ(data.items.size(), 3u);
  EXPECT_EQ(data.items[0].name, "item_healthkit");
  EXPECT_EQ(data.items[0].weight, 2.5);
  EXPECT_EQ(data.items[1].name, "weapon");
  EXPECT_EQ(data.items[2].name, "ammo");
  EXPECT_EQ(data.items[2].weight, 0);

  ASSERT_EQ(data.weapons.size(), 2u);
  EXPECT_EQ(data.weapons[0].className, "weapon_crowbar");
  EXPECT_EQ(data.weapons[0].ammunition1, "") << "\"-\" means none";
  EXPECT_EQ(data.weapons[1].depth, 50);
  EXPECT_EQ(data.weapons[1].ammunition1, "item_ammo_smg1");
  EXPECT_EQ(data.weapons[1].ammunition2, "");
  EXPECT_EQ(data.weapons[1].ammunition3, "item_box_buckshot");

  ASSERT_EQ(data.monsters.size(), 2u);
  EXPECT_EQ(data.monsters[0].depth, 0.25) << "the depth is stored divided by 100";
  EXPECT_EQ(data.monsters[0].kind, "X");
  EXPECT_TRUE(data.monsters[0].keys.empty());
  const MonsterRecord& soldier = data.monsters[1];
  EXPECT_EQ(soldier.depth, 1.5);
  ASSERT_EQ(soldier.keys.size(), 2u);
  EXPECT_EQ(soldier.keys[0].name, "model");
  EXPECT_EQ(soldier.keys[0].optionCount, 1);
  EXPECT_EQ(soldier.keys[0].options, "models/combine_soldier.mdl");
  EXPECT_EQ(soldier.keys[1].name, "additionalequipment");
  EXPECT_EQ(soldier.keys[1].optionCount, 3);
  EXPECT_EQ(soldier.keys[1].options, "weapon_smg1 weapon_ar2");
}

struct BadData {
  const char* name;
  const char* file;
  std::string text;
  std::size_t line;
  const char* problem;
};

class BadSpawnData : public ::testing::TestWithParam<BadData> {};

TEST_P(BadSpawnData, IsReportedWithFileAndLine) {
  const BadData& bad = GetParam();
  testing::TempFolder folder;
  const auto file = folder / bad.file;
  testing::WriteFile(file, bad.text);
  try {
    if (std::string(bad.file) == "itemdata.ini") ReadItemData(file);
    if (std::string(bad.file) == "gundata.ini") ReadGunData(file);
    if (std::string(bad.file) == "npcdata.ini") ReadNpcData(file);
    FAIL() << "no error for " << bad.name;
  } catch (const MapFormatError& error) {
    EXPECT_EQ(error.File(), file);
    EXPECT_EQ(error.Line(), bad.line);
    const std::string message = error.what();
    EXPECT_NE(message.find(bad.file), std::string::npos) << message;
    EXPECT_NE(message.find("At line " + std::to_string(bad.line)), std::string::npos) << message;
    EXPECT_NE(message.find(bad.problem), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSpawnData,
    ::testing::Values(
        BadData{"ItemsEndEarly", "itemdata.ini", DataLines({"3", "item_healthkit", "1", "item_battery"}),
                5, "the file ends before its 3 records; it holds only 1 whole records"},
        BadData{"EmptyFile", "gundata.ini", "", 1, "the file ends before its record count"},
        BadData{"WeaponsEndInsideRecord", "gundata.ini",
                DataLines({"1", "0", "weapon_crowbar", "-"}), 5, "holds only 0 whole records"},
        BadData{"TooManyItems", "itemdata.ini", DataLines({"101"}), 1,
                "the record count 101 must be from 0 to 100"},
        BadData{"TooManyWeapons", "gundata.ini", DataLines({"101"}), 1, "must be from 0 to 100"},
        BadData{"TooManyMonsters", "npcdata.ini", DataLines({"32001"}), 1,
                "the record count 32001 must be from 0 to 32000"},
        BadData{"NegativeCount", "itemdata.ini", DataLines({"-1"}), 1, "must be from 0 to 100"},
        BadData{"CountNotWhole", "npcdata.ini", DataLines({"2.5"}), 1,
                "the record count \"2.5\" is not a whole number"},
        BadData{"KeyCountAboveSix", "npcdata.ini",
                DataLines({"1", "npc_zombie", "0", "x", "7"}), 5,
                "the key count 7 must be from 0 to 6"},
        BadData{"WeightNotANumber", "itemdata.ini",
                DataLines({"3", "item_healthkit", "1", "item_battery", "lots"}), 5,
                "the weight \"lots\" is not a number"},
        BadData{"DepthNotANumber", "gundata.ini", DataLines({"1", "deep", "weapon_crowbar"}), 2,
                "the depth \"deep\" is not a number"},
        BadData{"OptionCountMissing", "npcdata.ini",
                DataLines({"1", "npc_zombie", "0", "x", "1", "health", "50"}), 6,
                "the option count \"\" is not a number"},
        BadData{"NulInAClassName", "itemdata.ini",
                DataLines({"3", std::string("item_health\0kit", 15), "1"}), 2,
                "an item holds the control byte 0"},
        BadData{"ControlByteInAMonsterOption", "npcdata.ini",
                DataLines({"1", "npc_zombie", "0", "x", "1", "health 2", "50\x1b 80"}), 7,
                "an item holds the control byte 27"}),
    testing::ParamName());

TEST(SpawnData, MissingFileIsNamed) {
  testing::TempFolder folder;
  try {
    ReadSpawnData(folder.Path());
    FAIL() << "no error for a missing file";
  } catch (const MapFormatError& error) {
    EXPECT_EQ(error.File(), folder / "itemdata.ini");
    EXPECT_NE(std::string(error.what()).find("itemdata.ini"), std::string::npos);
  }
}

}  // namespace
}  // namespace vendrel
