#include "name_fixing.h"

#include <gtest/gtest.h>

#include "param_name.h"

#include <string>

namespace vendrel {
namespace {

struct KeyCase {
  const char* key;
  bool nameKey;
};

class NameKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NameKeys, AreKnownByPrefixOrList) {
  EXPECT_EQ(IsNameKey(GetParam().key), GetParam().nameKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NameKeys,
    ::testing::Values(KeyCase{"targetname", true}, KeyCase{"TargetName", true},
                      KeyCase{"node_exit", true}, KeyCase{"NODE_EXIT", true},
                      KeyCase{"nodefoo", true}, KeyCase{"Node", false}, KeyCase{"Nodefoo", false},
                      KeyCase{"nod", false}, KeyCase{"m_iszEntity", true},
                      KeyCase{"M_ISZENTITY", true}, KeyCase{"dropbombattargetalways", true},
                      KeyCase{"targetnames", false}, KeyCase{"origin", false}, KeyCase{"", false}),
    [](const ::testing::TestParamInfo<KeyCase>& testCase) { return testing::NameFromText(testCase.param.key); });

class NameFixerTest : public ::testing::Test {
 protected:
  void Fix(Items& items) {
    NameFixer(items, names, counter, [this] { ++yields; });
  }

  NameList names;
  long long counter = 0;
  int yields = 0;
};

TEST_F(NameFixerTest, EqualNamesInAnyCaseShareOneNewName) {
  Items room = {"targetname", "door1", "target", "Door1", "parentname", "lift", "origin", "door1"};
  Fix(room);
  EXPECT_EQ(room, (Items{"targetname", "a", "target", "a", "parentname", "b", "origin", "door1"}));
  EXPECT_EQ(counter, 2);
}

TEST_F(NameFixerTest, TheNextRoomGivesTheSameNameANewOne) {
  Items first = {"targetname", "door1"};
  Fix(first);
  ClearNameList(names);
  EXPECT_TRUE(names.newNames.empty());
  Items second = {"targetname", "door1"};
  Fix(second);
  EXPECT_EQ(first[1], "a");
  EXPECT_EQ(second[1], "b");
}

TEST_F(NameFixerTest, ConnectionTargetsAreRenamedAndTheRestKept) {
  Items room = {"targetname", "door1", "connections", "{",    "OnTrigger", "door1,Open,,0,-1",
                "OnTrigger",  "lamp",  "OnUser1",     ",,,,", "}",         "target",
                "lamp"};
  Fix(room);
  EXPECT_EQ(room[5], "a,Open,,0,-1");
  EXPECT_EQ(room[7], "b");
  EXPECT_EQ(room[9], "c,,,,");  // an empty target is a name like any other
  EXPECT_EQ(room[4], "OnTrigger");
  EXPECT_EQ(room[12], "b");
  EXPECT_EQ(yields, 5);  // the opening brace, three connections, the closing brace
}

TEST_F(NameFixerTest, AnEmptyLineInsideConnectionsIsNoOutput) {
  Items room = {"connections", "{", "", "OnTrigger", "door1,Open,,0,-1", "}", "}"};
  Fix(room);
  EXPECT_EQ(room, (Items{"connections", "{", "", "OnTrigger", "a,Open,,0,-1", "}", "}"}));
}

TEST_F(NameFixerTest, ABlockInsideConnectionsKeepsItsBrace) {
  // Taken for an output, the nested block's name would have its brace renamed.
  Items nested = {"connections", "{", "connections", "{", "OnUser1", "lamp", "}", "}"};
  Fix(nested);
  EXPECT_EQ(nested, (Items{"connections", "{", "connections", "{", "OnUser1", "a", "}", "}"}));
}

TEST_F(NameFixerTest, ConnectionsKeyInAnyCaseAndNestedOpenBraces) {
  Items room = {"CONNECTIONS", "{", "{", "OnOpen", "x,Kill,,0,-1", "}", "targetname", "x"};
  Fix(room);
  EXPECT_EQ(room,
            (Items{"CONNECTIONS", "{", "{", "OnOpen", "a,Kill,,0,-1", "}", "targetname", "a"}));
}

TEST_F(NameFixerTest, EmptyNamesShareOneNewName) {
  Items room = {"targetname", "", "target", "", "target", "x"};
  Fix(room);
  EXPECT_EQ(room, (Items{"targetname", "a", "target", "a", "target", "b"}));
}

TEST_F(NameFixerTest, TheGamesOwnTargetsAreLeftAlone) {
  Items room = {"target",      "!player", "targetname", "relay",
                "connections", "{",       "OnTrigger",  "!activator,Kill,,0,-1",
                "OnTrigger",   "!SELF",   "}"};
  Fix(room);
  EXPECT_EQ(room[1], "!player");
  EXPECT_EQ(room[3], "a");
  EXPECT_EQ(room[7], "!activator,Kill,,0,-1");
  EXPECT_EQ(room[9], "!SELF");
  EXPECT_EQ(counter, 1);
}

TEST_F(NameFixerTest, AValueThatSpellsANameKeyStaysAValue) {
  // Taken for a key, it would rename the item after it: here the brace of the next block.
  Items room = {"entity", "{", "message", "node_a", "}", "entity", "{", "targetname", "target",
                "target", "x", "}"};
  Fix(room);
  EXPECT_EQ(room, (Items{"entity", "{", "message", "node_a", "}", "entity", "{", "targetname", "a",
                         "target", "b", "}"}));
}

TEST_F(NameFixerTest, NamesRunFromAToZAndOnToDoubleLetters) {
  Items room;
  for (int n = 1; n <= 28; ++n) {
    room.push_back("targetname");
    room.push_back("name" + std::to_string(n));
  }
  Fix(room);
  EXPECT_EQ(room[1], "a");
  EXPECT_EQ(room[51], "z");
  EXPECT_EQ(room[53], "aa");
  EXPECT_EQ(room[55], "ab");
}

TEST_F(NameFixerTest, CounterRunsPastTheSixteenBitRange) {
  counter = 32767;
  Items room = {"targetname", "x"};
  Fix(room);
  EXPECT_EQ(counter, 32768);
  EXPECT_EQ(room[1], "avlh");
}

TEST_F(NameFixerTest, UnfinishedBlocksAndKeysAtTheEndDoNotOverrun) {
  Items room = {"connections", "{", "OnTrigger", "a,b", "OnUser1"};
  Fix(room);
  EXPECT_EQ(room[3], "a,b");
  Items lastKey = {"target"};
  Fix(lastKey);
  EXPECT_EQ(lastKey, Items{"target"});
}

TEST(CheckNameList, RegistersNewNamesOnceInLowerCase) {
  NameList names;
  long long counter = 5;
  EXPECT_EQ(CheckNameList(names, counter, "Door"), "f");
  EXPECT_EQ(CheckNameList(names, counter, "DOOR"), "f");
  EXPECT_EQ(counter, 6);
  ASSERT_EQ(names.newNames.size(), 1u);
  EXPECT_EQ(names.newNames.begin()->first, "door");
}

}  // namespace
}  // namespace vendrel
