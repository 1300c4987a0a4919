// The spawn data files that ship: each in the layout its reader expects, with the game's
// own entity classes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "item_tokenizer.h"
#include "number_text.h"

namespace vendrel {
namespace {

const std::filesystem::path kData = VENDREL_DATA_SOURCES;

// A data file's items, read as every reader of the system reads them.
class DataItems {
 public:
  explicit DataItems(const std::string& name) {
    ItemTokenizer tokenizer(kData / name);
    std::string_view item;
    while (tokenizer.Next(item)) items_.emplace_back(item);
  }
  std::string Next() {
    EXPECT_LT(next_, items_.size()) << "the file ends early";
    return next_ < items_.size() ? items_[next_++] : std::string();
  }
  int NextWhole() {
    const std::string text = Next();
    const auto number = ParseNumber(text);
    EXPECT_TRUE(number && *number == static_cast<int>(*number)) << text << " is not a whole number";
    return number ? static_cast<int>(*number) : 0;
  }
  bool AtEnd() const { return next_ == items_.size(); }

 private:
  std::vector<std::string> items_;
  std::size_t next_ = 0;
};

TEST(BundledSpawnData, ItemsHaveWeightsAndIncludeWeaponsAndAmmunition) {
  DataItems file("itemdata.ini");
  const int count = file.NextWhole();
  EXPECT_GE(count, 3);
  EXPECT_LE(count, 100);
  std::set<std::string> names;
  for (int record = 0; record < count; ++record) {
    const std::string name = file.Next();
    EXPECT_TRUE(name == "weapon" || name == "ammo" || name.starts_with("item_") ||
                name.starts_with("weapon_"))
        << name;
    names.insert(name);
    EXPECT_GT(ParseNumber(file.Next()).value_or(0), 0) << name;
  }
  EXPECT_TRUE(file.AtEnd());
  EXPECT_TRUE(names.contains("weapon"));
  EXPECT_TRUE(names.contains("ammo"));
}

TEST(BundledSpawnData, WeaponsComeInTheOrderThePlayerReceivesThem) {
  DataItems file("gundata.ini");
  const int count = file.NextWhole();
  EXPECT_GE(count, 1);
  EXPECT_LE(count, 100);
  int lastDepth = -1;
  int withAmmunition = 0;
  for (int record = 0; record < count; ++record) {
    const int depth = file.NextWhole();
    EXPECT_GE(depth, lastDepth);
    lastDepth = depth;
    EXPECT_TRUE(file.Next().starts_with("weapon_"));
    const std::string firstAmmunition = file.Next();
    withAmmunition += firstAmmunition != "-" ? 1 : 0;
    for (const std::string& ammunition : {firstAmmunition, file.Next(), file.Next()}) {
      EXPECT_TRUE(ammunition == "-" || ammunition.starts_with("item_") ||
                  ammunition.starts_with("weapon_"))
          << ammunition;
    }
  }
  EXPECT_TRUE(file.AtEnd());
  EXPECT_GT(withAmmunition, 0);
}

TEST(BundledSpawnData, MonstersOfBothEnemyKindsAppearFromTheStart) {
  DataItems file("npcdata.ini");
  const int count = file.NextWhole();
  std::set<std::string> kindsAtStart, kinds;
  for (int record = 0; record < count; ++record) {
    const std::string className = file.Next();
    EXPECT_TRUE(className.starts_with("npc_")) << className;
    const int depth = file.NextWhole();
    const std::string kind = file.Next();
    EXPECT_TRUE(kind == "c" || kind == "x") << className;
    kinds.insert(kind);
    if (depth == 0) kindsAtStart.insert(kind);
    const int keys = file.NextWhole();
    EXPECT_GE(keys, 0);
    EXPECT_LE(keys, 6);
    for (int key = 0; key < keys; ++key) {
      const FiveFields keyLine = SSplit(file.Next());
      const int options = static_cast<int>(ParseNumber(keyLine.f2).value_or(0));
      EXPECT_FALSE(keyLine.f1.empty());
      EXPECT_GE(options, 1) << className << " " << keyLine.f1;
      EXPECT_LE(options, 5) << className << " " << keyLine.f1;
      const FiveFields values = SSplit(file.Next());
      const std::string* fields[] = {&values.f1, &values.f2, &values.f3, &values.f4, &values.f5};
      for (int option = 0; option < options && option < 5; ++option) {
        EXPECT_FALSE(fields[option]->empty())
            << className << " " << keyLine.f1 << " lacks an option";
      }
    }
  }
  EXPECT_TRUE(file.AtEnd());
  EXPECT_THAT(kinds, ::testing::ElementsAre("c", "x"));
  EXPECT_THAT(kindsAtStart, ::testing::ElementsAre("c", "x"));
}

}  // namespace
}  // namespace vendrel
