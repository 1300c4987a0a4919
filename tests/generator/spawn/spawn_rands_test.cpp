#include "spawn_rands.h"

#include <gtest/gtest.h>

#include "map_error.h"
#include "param_name.h"
#include "spawn_fixture.h"

namespace vendrel {
namespace {

using testing::AppendItems;
using testing::DataLines;
using testing::EntityItems;

Items Placed(const std::string& className, const std::string& angles, const std::string& origin,
             std::initializer_list<std::pair<std::string, std::string>> extra = {}) {
  Items items{"entity", "{", "id", "Insert ID Here", "classname", className,
              "angles", angles, "origin", origin};
  for (const auto& [key, value] : extra) {
    items.push_back(key);
    items.push_back(value);
  }
  items.push_back("}");
  return items;
}

struct SpawnWhatCase {
  const char* name;
  const char* placeholder;
  const char* spawnwhat;  // nullptr: the key is missing
  std::deque<double> draws;
  const char* placed;     // nullptr: nothing
};

class SpawnWhatRules : public testing::SpawnFixture,
                       public ::testing::WithParamInterface<SpawnWhatCase> {};

TEST_P(SpawnWhatRules, PlaceWhatTheRuleSays) {
  const SpawnWhatCase& c = GetParam();
  random.draws = c.draws;
  Items room{"solid", "{", "id", "1", "}", std::string(kWorldEndMarker)};
  Items placeholder =
      c.spawnwhat != nullptr
          ? EntityItems({{"id", "2"}, {"classname", c.placeholder}, {"spawnwhat", c.spawnwhat},
                         {"angles", "0 90 0"}, {"origin", "8 16 32"}})
          : EntityItems({{"id", "2"}, {"classname", c.placeholder}, {"angles", "0 90 0"},
                         {"origin", "8 16 32"}});
  AppendItems(room, placeholder);

  const Items appended = Expand(room);

  EXPECT_EQ(appended, c.placed ? Placed(c.placed, "0 90 0", "8 16 32") : Items{});
  EXPECT_TRUE(random.draws.empty()) << "every scripted draw is used";
  EXPECT_EQ(Items(expanded.begin(), expanded.begin() + static_cast<std::ptrdiff_t>(room.size())),
            room)
      << "the placeholders stay";
}

// Items: healthkit 2, battery 1, weapon 1, ammo 1 (running shares .4 .6 .8 1). Weapons in
// order: crowbar (depth 0, no ammunition), pistol (50), smg1 (100). The room lies at depth 1.
INSTANTIATE_TEST_SUITE_P(
    Cases, SpawnWhatRules,
    ::testing::Values(
        SpawnWhatCase{"ItemByWeight", "quilla_item", "0", {0.1}, "item_healthkit"},
        SpawnWhatCase{"MissingKeyCountsAsZero", "quilla_weapon", nullptr, {0.5}, "item_battery"},
        SpawnWhatCase{"ItemDrawsWeapon", "quilla_item", "0", {0.7}, "weapon_crowbar"},
        SpawnWhatCase{"ItemDrawsAmmunition", "quilla_item", "0", {0.9, 0.6}, "item_ammo_smg1"},
        SpawnWhatCase{"Weapon", "quilla_weapon", "1", {}, "weapon_crowbar"},
        SpawnWhatCase{"AmmunitionFallsBackToAnyWeapon", "quilla_item", "2", {0.0},
                      "item_ammo_pistol"},
        SpawnWhatCase{"OpenAmmunitionSkipsWeaponsWithout", "quilla_item", "3", {0.0},
                      "item_ammo_pistol"},
        SpawnWhatCase{"OpenAmmunitionLast", "quilla_item", "3", {0.99}, "item_ammo_smg1"},
        SpawnWhatCase{"OnlyItemsFirst", "quilla_item", "4", {0.66}, "item_healthkit"},
        SpawnWhatCase{"OnlyItemsNeverWeapon", "quilla_item", "4", {0.99}, "item_battery"},
        SpawnWhatCase{"UnknownRule", "quilla_item", "5", {}, nullptr},
        SpawnWhatCase{"OtherClass", "prop_static", "1", {}, nullptr}),
    testing::ParamName());

class SpawnRandsTest : public testing::SpawnFixture {
 protected:
  static Items Room(std::initializer_list<Items> entities) {
    Items room{std::string(kWorldEndMarker)};
    for (const Items& entity : entities) AppendItems(room, entity);
    return room;
  }
  static Items WeaponPlaceholder(const std::string& origin) {
    return EntityItems({{"classname", "quilla_weapon"}, {"spawnwhat", "1"}, {"origin", origin}});
  }
  std::string LastMessage() const {
    return host.messages.empty() ? std::string() : host.messages.front().text;
  }
};

TEST_F(SpawnRandsTest, DepthZeroHandsOutNoNewWeapon) {
  random.draws = {0.7};
  const Items appended = Expand(Room({WeaponPlaceholder("0 0 0")}), 0);
  EXPECT_EQ(appended, Placed("weapon_smg1", "", "0 0 0"))
      << "0 is not below 0: a random weapon of the whole file";
  EXPECT_FALSE(context.weaponsGiven.Has(0));
  EXPECT_FALSE(context.weaponsGiven.Has(2));
}

TEST_F(SpawnRandsTest, HandsOutWeaponsInFileOrderThenRepeatsOne) {
  random.draws = {0.6};
  Items appended = Expand(
      Room({WeaponPlaceholder("1 0 0"), WeaponPlaceholder("2 0 0"), WeaponPlaceholder("3 0 0")}),
      0.75);
  Items expected = Placed("weapon_crowbar", "", "1 0 0");
  AppendItems(expected, Placed("weapon_pistol", "", "2 0 0"));
  AppendItems(expected, Placed("weapon_pistol", "", "3 0 0"));
  EXPECT_EQ(appended, expected) << "smg1 waits for depth 1; the third repeats one of two";

  // The level remembers across rooms.
  appended = Expand(Room({WeaponPlaceholder("4 0 0")}), 1.01);
  EXPECT_EQ(appended, Placed("weapon_smg1", "", "4 0 0"));

  context.weaponsGiven.Clear();
  appended = Expand(Room({WeaponPlaceholder("5 0 0")}), 1.01);
  EXPECT_EQ(appended, Placed("weapon_crowbar", "", "5 0 0")) << "a new level starts over";
}

TEST_F(SpawnRandsTest, NewWeaponsSettingScalesTheDepths) {
  WriteData("gundata.ini", DataLines({"1", "100", "weapon_ar2", "item_ammo_ar2", "-", "-"}));
  options.newWeapons = 0;  // depths count half
  Expand(Room({WeaponPlaceholder("0 0 0")}), 0.51);
  EXPECT_TRUE(context.weaponsGiven.Has(0));

  context.weaponsGiven.Clear();
  options.newWeapons = 10;  // depths count one and a half times
  random.draws = {0.0};
  Expand(Room({WeaponPlaceholder("0 0 0")}), 1.49);
  EXPECT_FALSE(context.weaponsGiven.Has(0));
}

// A room's depth is a single: 0.1F lies just above 0.1 and 0.7F just below 0.7, and the
// record depths compare with those values.
TEST_F(SpawnRandsTest, DepthsCompareAsTheirSinglePrecisionValues) {
  WriteData("gundata.ini", DataLines({"1", "10", "weapon_ar2", "item_ammo_ar2", "-", "-"}));
  Expand(Room({WeaponPlaceholder("0 0 0")}), 0.1F);
  EXPECT_TRUE(context.weaponsGiven.Has(0)) << "0.1 is below 0.1F";

  WriteData("npcdata.ini", DataLines({"1", "npc_zombie", "70", "x", "0"}));
  EXPECT_EQ(Expand(Room({EntityItems({{"classname", "quilla_npc"}, {"origin", "5 5 5"}})}), 0.7F),
            Items{})
      << "0.7 is above 0.7F";
}

TEST_F(SpawnRandsTest, AmmunitionOnlyForWeaponsHandedOut) {
  context.weaponsGiven.Mark(1);
  random.draws = {0.99};
  const Items appended = Expand(
      Room({EntityItems({{"classname", "quilla_item"}, {"spawnwhat", "2"}, {"origin", "1 1 1"}})}));
  EXPECT_EQ(appended, Placed("item_ammo_pistol", "", "1 1 1"));
}

TEST_F(SpawnRandsTest, RecordKeepsTheLastValues) {
  context.weaponsGiven.Mark(2);
  random.draws = {0.5, 0.5};
  const Items appended = Expand(
      Room({EntityItems({{"classname", "quilla_item"}, {"spawnwhat", "2"}, {"angles", "0 45 0"},
                         {"origin", "1 1 1"}}),
            EntityItems({{"classname", "quilla_weapon"}, {"origin", "2 2 2"}})}));
  Items expected = Placed("item_ammo_smg1", "0 45 0", "1 1 1");
  AppendItems(expected, Placed("item_ammo_smg1", "0 45 0", "2 2 2"));
  EXPECT_EQ(appended, expected)
      << "the weapon placeholder without spawnwhat and angles takes the item's";
}

TEST_F(SpawnRandsTest, NoValidAmmunitionEndsTheRun) {
  WriteData("gundata.ini", DataLines({"1", "0", "weapon_crowbar", "-", "-", "-"}));
  const Items room =
      Room({EntityItems({{"classname", "quilla_item"}, {"spawnwhat", "3"}, {"origin", "0 0 0"}})});
  EXPECT_THROW(Expand(room), MapErrorExit);
  EXPECT_EQ(LastMessage(),
            "An error occoured when creating map. Following error message was returned: No Valid "
            "Ammunition!");
}

TEST_F(SpawnRandsTest, TooFewItemsEndTheRun) {
  WriteData("itemdata.ini", DataLines({"2", "item_healthkit", "1", "item_battery", "1"}));
  EXPECT_THROW(Expand(Room({EntityItems({{"classname", "quilla_item"}})})), MapErrorExit);
  EXPECT_EQ(LastMessage(),
            "An error occoured when creating map. Following error message was returned: No valid "
            "items to place on map! Check for itemdata.ini corruption!");
}

TEST_F(SpawnRandsTest, NoWeaponsIsFatal) {
  WriteData("gundata.ini", DataLines({"0"}));
  try {
    Expand(Room({WeaponPlaceholder("0 0 0")}));
    FAIL() << "no error";
  } catch (const MapErrorExit& error) {
    EXPECT_TRUE(error.Fatal());
    EXPECT_STREQ(error.what(), "No weapons in weapons library!");
  }
  EXPECT_EQ(testing::ReadFile(folder / "errorlog.txt"),
            "No weapons found in the weapons library while creating rand_weapon entity!\r\n");
}

TEST_F(SpawnRandsTest, BadDataEndsTheRunNamingFileAndLine) {
  WriteData("npcdata.ini", DataLines({"1", "npc_zombie", "0", "x", "9"}));
  EXPECT_THROW(Expand(Room({})), MapErrorExit);
  const std::string message = LastMessage();
  EXPECT_NE(message.find((folder / "npcdata.ini").string() + ": At line 5: the key count 9"),
            std::string::npos)
      << message;

  std::filesystem::remove(folder / "gundata.ini");
  host.messages.clear();
  EXPECT_THROW(Expand(Room({})), MapErrorExit);
  EXPECT_NE(LastMessage().find("gundata.ini"), std::string::npos) << LastMessage();
}

class MonsterRules : public SpawnRandsTest {
 protected:
  MonsterRules() {
    WriteData("npcdata.ini",
              DataLines({"4", "npc_zombie", "0", "x", "0", "npc_metropolice", "0", "C", "1",
                         "additionalequipment 2", "weapon_pistol weapon_stunstick", "npc_antlion",
                         "200", "x", "0", "npc_hunter", "150", "c", "0"}));
  }
  Items PlaceMonster(float depth, std::string_view kind) {
    return Expand(Room({EntityItems({{"classname", "quilla_npc"}, {"angles", "0 180 0"},
                                     {"origin", "5 5 5"}})}),
                  depth, kind);
  }
};

TEST_F(MonsterRules, CandidatesByDepthAndKind) {
  random.draws = {0.99, 0.6};
  EXPECT_EQ(PlaceMonster(1, ""),
            Placed("npc_metropolice", "0 180 0", "5 5 5",
                   {{"additionalequipment", "weapon_stunstick"}}))
      << "antlion and hunter are too deep for depth 1";

  random.draws = {0.0};
  EXPECT_EQ(PlaceMonster(1, "x"), Placed("npc_zombie", "0 180 0", "5 5 5"))
      << "a record without keys gives class, angles and origin only";

  random.draws = {0.0, 0.0};
  EXPECT_EQ(PlaceMonster(1, "c"), Placed("npc_metropolice", "0 180 0", "5 5 5",
                                         {{"additionalequipment", "weapon_pistol"}}))
      << "the kind C matches c";

  EXPECT_EQ(PlaceMonster(1, "z"), Items{}) << "no candidate, no draw";
}

TEST_F(MonsterRules, NoEnemiesSettingAdmitsEveryDepth) {
  options.enemies = 0;
  random.draws = {0.99};
  EXPECT_EQ(PlaceMonster(0, ""), Placed("npc_hunter", "0 180 0", "5 5 5"));
  random.draws = {0.99};
  EXPECT_EQ(PlaceMonster(0, "x"), Placed("npc_antlion", "0 180 0", "5 5 5"))
      << "the kind x excludes c";
  options.enemies = 10;
  random.draws = {0.99};
  EXPECT_EQ(PlaceMonster(3, ""), Placed("npc_hunter", "0 180 0", "5 5 5"))
      << "twice its depth is not above the room's";
}

TEST_F(MonsterRules, OptionsBeyondTheLineGiveEmptyValues) {
  WriteData("npcdata.ini",
            DataLines({"1", "npc_zombie", "0", "x", "2", "health 3", "50 100", "skin 5",
                       "0 1 2 3 4 5"}));
  random.draws = {0.0, 0.9, 0.99};
  EXPECT_EQ(PlaceMonster(1, ""), Placed("npc_zombie", "0 180 0", "5 5 5",
                                        {{"health", ""}, {"skin", "4"}}));
}

TEST_F(MonsterRules, SilentHallsPlacesNoMonsters) {
  options.noMonsters = true;
  EXPECT_EQ(PlaceMonster(1, ""), Items{});
}

TEST_F(SpawnRandsTest, BrokenRoomTextIsWalkedSafely) {
  const Items room{"}", "}", "entity", "{", "classname", "quilla_weapon", "spawnwhat", "1",
                   "entity", "}", "{", "origin"};
  EXPECT_EQ(Expand(room), Items{}) << "no entity closes, so none is handled";
  EXPECT_EQ(expanded, room);
}

TEST_F(SpawnRandsTest, EveryPlayerStartGetsLightAndSun) {
  context.sun.sunElevation = -5;
  context.sun.moonLight = 1;
  const Items appended = Expand(Room(
      {EntityItems({{"classname", "info_player_start"}, {"origin", "0 0 8"}}),
       EntityItems({{"classname", "info_player_start"}, {"origin", "64 0 8"}})}));
  ASSERT_EQ(appended.size(), 60u);
  EXPECT_EQ(appended[5], "light_environment");
  EXPECT_EQ(appended[13], "0 0 8");
  EXPECT_EQ(appended[20], "env_sun");
  EXPECT_EQ(appended[24], "100 100 100 200");
  EXPECT_EQ(appended[35], "light_environment");
  EXPECT_EQ(appended[43], "64 0 8");
  EXPECT_EQ(appended[58], "64 0 8");
}

}  // namespace
}  // namespace vendrel
