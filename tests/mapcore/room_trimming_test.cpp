#include "room_trimming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "room_text.h"

namespace vendrel {
namespace {

Items Entity(const std::string& className, Items inner = {}) {
  Items items = {"entity", "{", "id", "1", "classname", className};
  items.insert(items.end(), inner.begin(), inner.end());
  items.push_back("}");
  return items;
}

Items Join(std::initializer_list<Items> parts) {
  Items all;
  for (const Items& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Items WithoutBlanks(Items items) {
  std::erase(items, std::string());
  return items;
}

const Items kWorld = {"solid", "{", "id", "2", "}", std::string(kWorldEndMarker)};

TEST(ClearRands, RemovesEveryPlaceholderClassWhole) {
  Items room = kWorld;
  for (const char* placeholder :
       {"quilla_connector", "quilla_info", "quilla_weapon", "quilla_npc", "quilla_spawn_contoller",
        "quilla_spawn", "quilla_item", "func_quilla_spawngroup"}) {
    room = Join({room, Entity(placeholder)});
  }
  const std::size_t size = room.size();
  ClearRands(room, false);
  EXPECT_EQ(room.size(), size);  // blanked in place, not erased
  EXPECT_EQ(WithoutBlanks(room), kWorld);
}

TEST(ClearRands, RemovesNestedBlocksWithTheirEntityAndKeepsOthers) {
  const Items door = Entity("func_door", {"connections", "{", "OnOpen", "x,Kill,,0,-1", "}"});
  const Items spawner = Entity(
      "quilla_spawn_contoller",
      {"connections", "{", "OnTrigger", "a,b,,0,-1", "}", "editor", "{", "color", "0 0 0", "}"});
  Items room = Join({kWorld, door, spawner, Entity("Quilla_weapon")});
  ClearRands(room, false);
  EXPECT_EQ(WithoutBlanks(room), Join({kWorld, door, Entity("Quilla_weapon")}));
}

TEST(ClearRands, LightsGoOnlyWhenSkipped) {
  const Items lights = Join({Entity("light"), Entity("light_dynamic"), Entity("light_spot")});
  Items kept = Join({kWorld, lights});
  ClearRands(kept, false);
  EXPECT_EQ(WithoutBlanks(kept), Join({kWorld, lights}));

  Items skipped = Join({kWorld, lights});
  ClearRands(skipped, true);
  EXPECT_EQ(WithoutBlanks(skipped), Join({kWorld, Entity("light_spot")}));
}

TEST(ClearRands, AnEntityWithoutClassTakesTheClassBeforeIt) {
  const Items nameless = {"entity", "{", "id", "9", "}"};
  Items room = Join({Entity("quilla_item"), nameless, Entity("info_target"), nameless});
  ClearRands(room, false);
  EXPECT_EQ(WithoutBlanks(room), Join({Entity("info_target"), nameless}));
}

TEST(ClearRands, AValueReadingEntityDoesNotStartAnEntity) {
  const Items placeholder = Entity("quilla_npc", {"targetname", "entity", "spawnflags", "1"});
  Items room = Join({kWorld, placeholder});
  ClearRands(room, false);
  EXPECT_EQ(WithoutBlanks(room), kWorld);
}

TEST(ClearRands, AnUnclosedEntityIsLeftAsItIs) {
  Items room = {"entity", "{", "classname", "quilla_item", "{", "}"};
  const Items start = room;
  ClearRands(room, false);
  EXPECT_EQ(room, start);
}

TEST(RemoveNoNWorld, KeepsFromTheFirstSolidOn) {
  Items items = {"versioninfo", "{", "mapversion", "1", "}", "world", "{",      "id", "1",
                 "solid",       "{", "id",         "2", "}", "}",     "entity", "{",  "}"};
  RemoveNoNWorld(items);
  EXPECT_EQ(items, (Items{"solid", "{", "id", "2", "}", "}", "entity", "{", "}"}));
}

TEST(RemoveNoNWorld, NoSolidLeavesNothing) {
  Items items = {"world", "{", "}", "entity", "{", "}"};
  RemoveNoNWorld(items);
  EXPECT_TRUE(items.empty());
}

}  // namespace
}  // namespace vendrel
