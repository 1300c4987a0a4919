#include "spawn_groups.h"

#include <gtest/gtest.h>

#include "level_writer.h"
#include "param_name.h"
#include "room_printer.h"
#include "room_value_error.h"
#include "spawn_fixture.h"

namespace vendrel {
namespace {

using testing::AppendItems;
using testing::EntityItems;

Items Solid(const std::string& id) {
  return {"solid", "{", "id", id, "side", "{", "id", id + "1", "plane", "(0 0 0) (1 0 0) (0 1 0)",
          "}", "editor", "{", "color", "0 255 0", "}", "}"};
}

// A spawn group with two brushes, its own keys and an editor block around them.
Items SpawnGroup(const std::string& name, const std::string& firstId) {
  Items group{"entity", "{", "id", "90", "classname", "func_quilla_spawngroup", "targetname", name};
  AppendItems(group, Solid(firstId));
  AppendItems(group, Solid(firstId + "0"));
  AppendItems(group, {"editor", "{", "visgroupshown", "1", "}", "}"});
  return group;
}

Items Controller(std::initializer_list<std::pair<std::string, std::string>> keys) {
  Items controller{"entity", "{", "classname", "quilla_spawn_contoller", "origin", "0 0 0"};
  for (const auto& [key, value] : keys) {
    controller.push_back(key);
    controller.push_back(value);
  }
  controller.push_back("}");
  return controller;
}

class SpawnGroupsTest : public testing::SpawnFixture {
 protected:
  Items RoomWith(std::initializer_list<Items> entities) {
    Items room = Solid("1");
    room.emplace_back(kWorldEndMarker);
    for (const Items& entity : entities) AppendItems(room, entity);
    return room;
  }
  static Items Solids(const std::string& firstId) {
    Items solids = Solid(firstId);
    AppendItems(solids, Solid(firstId + "0"));
    return solids;
  }
};

struct GroupDraw {
  const char* name;
  double draw;
  const char* placedGroup;  // nullptr: nothing
};

class SpawnGroupDraws : public SpawnGroupsTest, public ::testing::WithParamInterface<GroupDraw> {};

// Shares 1 and 3 and a no-spawn share of 4: running shares .125, .5, 1.
TEST_P(SpawnGroupDraws, PlaceTheDrawnGroupsBrushesWhole) {
  const GroupDraw& c = GetParam();
  random.draws = {c.draw};
  const Items room = RoomWith({Controller({{"controll1", "groupA"}, {"shares1", "1"},
                                           {"controll2", "groupB"}, {"shares2", "3"},
                                           {"nospawnshares", "4"}}),
                               SpawnGroup("groupA", "5"), SpawnGroup("groupB", "7")});
  EXPECT_EQ(Expand(room), Items{}) << "a spawn group adds nothing to the room";
  EXPECT_EQ(worldInserts, c.placedGroup ? Solids(c.placedGroup) : Items{});
}

INSTANTIATE_TEST_SUITE_P(Cases, SpawnGroupDraws,
                         ::testing::Values(GroupDraw{"First", 0.1, "5"},
                                           GroupDraw{"Second", 0.3, "7"},
                                           GroupDraw{"NoSpawn", 0.5, nullptr}),
                         testing::ParamName());

TEST_F(SpawnGroupsTest, ControllerFieldsAreEmptiedAfterEachDraw) {
  random.draws = {0.0};
  Expand(RoomWith({Controller({{"controll1", "groupA"}, {"shares1", "1"}}),
                   Controller({{"shares2", "5"}}), SpawnGroup("groupA", "5")}));
  EXPECT_EQ(worldInserts, Solids("5")) << "the second controller has no alternative to draw";
}

TEST_F(SpawnGroupsTest, SameNameTwicePlacesTheFirst) {
  random.draws = {0.0};
  Expand(RoomWith({Controller({{"controll1", "group"}, {"shares1", "1"}}),
                   SpawnGroup("group", "5"), SpawnGroup("group", "7")}));
  EXPECT_EQ(worldInserts, Solids("5"));
}

TEST_F(SpawnGroupsTest, NothingPlacedForZeroWeightsOrAnUnknownName) {
  const Items zeroWeights = RoomWith({Controller({{"controll1", "groupA"}, {"shares1", "0"},
                                                  {"nospawnshares", "0"}}),
                                      SpawnGroup("groupA", "5")});
  EXPECT_EQ(Expand(zeroWeights), Items{});
  random.draws = {0.0};
  const Items unknownName =
      RoomWith({Controller({{"controll1", "GroupA"}, {"shares1", "1"}}), SpawnGroup("groupA", "5")});
  EXPECT_EQ(Expand(unknownName), Items{}) << "names are compared with case";
  EXPECT_EQ(worldInserts, Items{});
}

TEST_F(SpawnGroupsTest, UnclosedEntityIsNotCopied) {
  Items room = RoomWith({Controller({{"controll1", "groupA"}, {"shares1", "1"}})});
  Items group = SpawnGroup("groupA", "5");
  group.pop_back();
  AppendItems(room, group);
  random.draws = {0.0};
  EXPECT_EQ(Expand(room), Items{});
  EXPECT_EQ(worldInserts, Items{});
}

TEST_F(SpawnGroupsTest, ShareThatIsNotANumberIsLocated) {
  const Items room = RoomWith({Controller({{"controll1", "groupA"}, {"shares1", "often"}})});
  try {
    Expand(room);
    FAIL() << "no error";
  } catch (const RoomValueError& error) {
    ASSERT_LT(error.Item(), room.size());
    EXPECT_EQ(room[error.Item()], "often");
    EXPECT_STREQ(error.what(), "the value \"often\" of \"shares1\" is not a number");
  }
}

// Any other drawn entity is copied whole to the end of the room, where the room's renaming
// and renumbering reach it, and prints as one well-formed entity block.
TEST_F(SpawnGroupsTest, OtherEntityIsAppendedWholeAndPrintsWellFormed) {
  const Items crate{"entity", "{", "id", "40", "classname", "prop_physics", "targetname",
                    "crate", "model", "models/crate.mdl", "connections", "{", "OnBreak",
                    "door,Open,,0,-1", "}", "editor", "{", "color", "220 30 220", "}", "}"};
  random.draws = {0.0};
  const Items appended =
      Expand(RoomWith({Controller({{"controll1", "crate"}, {"shares1", "2"}}), crate}));
  EXPECT_EQ(appended, crate);
  EXPECT_EQ(worldInserts, Items{});

  testing::TempFolder out;
  LevelWriter writer(out / "temp.dta");
  Items entityLines;
  PrintRoom(worldInserts, expanded, writer, entityLines);
  ASSERT_GE(entityLines.size(), 15u);
  entityLines.erase(entityLines.begin(), entityLines.end() - 15);
  const Items expectedLines{"entity", "{", "\"id\" \"40\"", "\"classname\" \"prop_physics\"",
                            "\"targetname\" \"crate\"", "\"model\" \"models/crate.mdl\"",
                            "connections", "{", "\"OnBreak\" \"door,Open,,0,-1\"", "}", "editor",
                            "{", "\"color\" \"220 30 220\"", "}", "}"};
  EXPECT_EQ(entityLines, expectedLines);
}

TEST_F(SpawnGroupsTest, EntitiesAppendedDuringTheWalkAreNotExpanded) {
  const Items start = EntityItems(
      {{"classname", "info_player_start"}, {"targetname", "start"}, {"origin", "0 0 0"}});
  random.draws = {0.0};
  const Items appended =
      Expand(RoomWith({start, Controller({{"controll1", "start"}, {"shares1", "1"}})}));
  ASSERT_EQ(appended.size(), 30 + start.size()) << "one light pair, then the copy";
  EXPECT_EQ(Items(appended.begin() + 30, appended.end()), start);
}

}  // namespace
}  // namespace vendrel
