#include "id_fixing.h"

#include <gtest/gtest.h>

namespace vendrel {
namespace {

TEST(FixIDs, NumbersEveryIdInItemOrderAndAdvancesTheCounter) {
  Items items = {"solid", "{",      "id", "17", "side",           "{",  "id",   "3", "}",
                 "}",     "entity", "{",  "id", "Insert ID Here", "ID", "keep", "}"};
  long long nextId = 2;
  FixIDs(items, nextId);
  EXPECT_EQ(items[3], "2");
  EXPECT_EQ(items[7], "3");
  EXPECT_EQ(items[13], "4");
  EXPECT_EQ(items[15], "keep");  // keys compare exactly
  EXPECT_EQ(nextId, 5);
}

TEST(FixIDs, AValueThatIsExactlyIdStaysAValue) {
  // Taken for a key, it would overwrite the brace after it and unbalance the level.
  Items items = {"entity", "{", "targetname", "id", "}", "entity", "{", "name", "id", "id", "5", "}"};
  long long nextId = 10;
  FixIDs(items, nextId);
  EXPECT_EQ(items, (Items{"entity", "{", "targetname", "id", "}", "entity", "{", "name", "id", "id",
                          "10", "}"}));
  EXPECT_EQ(nextId, 11);
}

TEST(FixIDs, RunsPastTheSixteenBitRange) {
  Items items = {"id", "x", "id", "x", "id", "x"};
  long long nextId = 32767;
  FixIDs(items, nextId);
  EXPECT_EQ(items[1], "32767");
  EXPECT_EQ(items[3], "32768");
  EXPECT_EQ(items[5], "32769");
  EXPECT_EQ(nextId, 32770);
}

TEST(FixIDs, AnIdInTheLastSlotHasNoValueToNumber) {
  Items items = {"id", "1", "id"};
  long long nextId = 1;
  FixIDs(items, nextId);
  EXPECT_EQ(items, (Items{"id", "1", "id"}));
  EXPECT_EQ(nextId, 2);
}

}  // namespace
}  // namespace vendrel
