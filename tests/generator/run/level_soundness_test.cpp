// Whole runs on the bundled room library, each level read back from its file.
#include <gtest/gtest.h>

#include "level_check.h"
#include "run_fixture.h"

namespace vendrel {
namespace {

class BundledLevel : public testing::RunFixture, public ::testing::WithParamInterface<int> {};

std::string Joined(const std::vector<std::string>& problems) {
  std::string text;
  for (std::size_t i = 0; i < problems.size() && i < 12; ++i) text += "\n  " + problems[i];
  return text;
}

TEST_P(BundledLevel, IsASoundMapForEverySeed) {
  const int size = GetParam();
  for (long long seed = 1; seed <= 4; ++seed) {
    const long long mixedSeed = seed * 7919 + size;
    const RunOutcome outcome = Generate(testing::kBundledRooms, size, mixedSeed);
    ASSERT_EQ(outcome.end, RunEnd::Done) << "seed " << mixedSeed << " after " << restarts << " restarts";
    EXPECT_EQ(outcome.cells, outcome.roomsDrawn + 1);
    EXPECT_GE(outcome.roomsDrawn, size * 3 / 4);
    EXPECT_LE(outcome.roomsDrawn, (size * 5 + 3) / 4);
    const auto problems = testing::CheckLevel(LevelFile(), outcome);
    EXPECT_TRUE(problems.empty()) << "size " << size << " seed " << mixedSeed << ":" << Joined(problems);
    // The bundled rooms are closed, so every level built of them must be sealed.
    const preview::LevelCheck check = preview::CheckLevel(preview::ReadLevelMap(LevelFile()));
    EXPECT_TRUE(check.Passed()) << "size " << size << " seed " << mixedSeed << ": "
                                << (check.Passed() ? "" : preview::FindingText(check.findings.front()));
    EXPECT_FALSE(std::filesystem::exists(folder / "temp.dta"));
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BundledLevel, ::testing::Range(5, 36),
                         [](const ::testing::TestParamInfo<int>& testCase) {
                           return "size" + std::to_string(testCase.param);
                         });

std::string LevelText(long long seed, int size) {
  testing::RunContext fixture;
  const RunOutcome outcome = fixture.Generate(testing::kBundledRooms, size, seed);
  EXPECT_EQ(outcome.end, RunEnd::Done);
  return testing::ReadFile(fixture.LevelFile());
}

TEST(Reproducibility, TheSameSeedGivesTheSameFileAndAnotherSeedAnotherLevel) {
  for (const int size : {5, 20, 35}) {
    const std::string first = LevelText(42, size);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, LevelText(42, size)) << "size " << size;
    EXPECT_NE(first, LevelText(43, size)) << "size " << size;
  }
}

}  // namespace
}  // namespace vendrel

namespace vendrel {
namespace {

// The reading-back check must catch what it is there for: each fault put into a sound
// level shows among its findings.
class LevelCheckFindsFaults : public testing::RunFixture {
 protected:
  void SetUp() override {
    outcome = Generate(testing::kBundledRooms, 12, 5);
    ASSERT_EQ(outcome.end, RunEnd::Done);
    text = testing::ReadFile(LevelFile());
    ASSERT_TRUE(testing::CheckLevel(LevelFile(), outcome).empty());
  }

  void Replace(const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  }

  bool Finds(const std::string& finding) {
    testing::WriteFile(LevelFile(), text);
    for (const std::string& problem : testing::CheckLevel(LevelFile(), outcome)) {
      if (problem.find(finding) != std::string::npos) return true;
    }
    return false;
  }

  RunOutcome outcome;
  std::string text;
};

TEST_F(LevelCheckFindsFaults, DuplicateIdentifierAndLeftPlaceholders) {
  Replace("\"id\" \"3\"", "\"id\" \"2\"");
  Replace("\"id\" \"4\"", "\"id\" \"Insert ID Here\"");
  Replace("\"classname\" \"info_player_start\"", "\"classname\" \"quilla_npc\"");
  EXPECT_TRUE(Finds("identifier 2 twice"));
  EXPECT_TRUE(Finds("an identifier placeholder is left"));
  EXPECT_TRUE(Finds("the placeholder quilla_npc is left"));
  EXPECT_TRUE(Finds("0 entities of class info_player_start"));
}

TEST_F(LevelCheckFindsFaults, MissingTargetAndSharedName) {
  const std::size_t at = text.find("connections\r\n");
  ASSERT_NE(at, std::string::npos) << "the level holds no outputs to check";
  const std::size_t valueStart = text.find("\" \"", at) + 3;
  const std::string target = text.substr(valueStart, text.find(',', valueStart) - valueStart);
  Replace("\"targetname\" \"" + target + "\"", "\"targetname\" \"gone\"");
  EXPECT_TRUE(Finds("aims at " + target + ", which no entity in the level is named"));
  Replace("\"classname\" \"env_sun\"", "\"classname\" \"env_sun\"\r\n\t\"targetname\" \"gone\"");
  EXPECT_TRUE(Finds("the entity name gone is used twice"));
  Replace("\"classname\" \"env_sun\"", "\"classname\" \"env_sun\"\r\n\t\"target\" \"nowhere\"");
  EXPECT_TRUE(Finds("the target nowhere of a env_sun is not in the level"));
}

TEST_F(LevelCheckFindsFaults, WrongTurnOrMissingDoorway) {
  outcome.rooms[3].turns = (outcome.rooms[3].turns + 1) % 4;
  EXPECT_TRUE(Finds("cell 4's brush is not its room's, turned and moved"));
  EXPECT_TRUE(Finds("cell 4's doorway at "));
  const int last = static_cast<int>(outcome.plan.size());
  outcome.plan.back().from = 1;
  EXPECT_TRUE(Finds("cell " + std::to_string(last) + "'s doorway is not on cell 1's"));
}

TEST_F(LevelCheckFindsFaults, OverlappingBrushes) {
  // A copy of the first room's first brush, given to the last room under fresh identifiers.
  const std::size_t start = text.find("\t\tsolid\r\n");
  const std::size_t end = text.find("\r\n\t\t}\r\n", start) + 6;
  std::string copy = text.substr(start, end - start);
  long long id = outcome.identifiers + 1;
  for (std::size_t at = copy.find("\"id\" \""); at != std::string::npos; at = copy.find("\"id\" \"", at + 1)) {
    const std::size_t valueEnd = copy.find('"', at + 6);
    copy.replace(at + 6, valueEnd - at - 6, std::to_string(id++));
  }
  Replace("\r\n}\r\nentity\r\n", "\r\n" + copy.substr(0, copy.size() - 2) + "\r\n}\r\nentity\r\n");
  outcome.rooms.back().endId = id;
  EXPECT_TRUE(Finds("brushes of cells 1 and " + std::to_string(outcome.rooms.size()) + " overlap"));
}

}  // namespace
}  // namespace vendrel
