#include "map_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "param_name.h"
#include "preview_fixtures.h"

namespace vendrel::preview {
namespace {

using testing::kPreviewFixtures;
using testing::LineOf;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Texts(const LevelCheck& check) {
  std::vector<std::string> texts;
  for (const Finding& finding : check.findings) texts.push_back(FindingText(finding));
  return texts;
}

TEST(LevelCheck, PassesSealedHandMadeAndGeneratedLevels) {
  for (const char* file : {"sealed_room.vmf", "generated_level.vmf"}) {
    const LevelMap map = ReadLevelMap(kPreviewFixtures / file);
    const LevelCheck check = CheckLevel(map);
    EXPECT_THAT(Texts(check), IsEmpty()) << file;
    EXPECT_TRUE(check.leakPath.empty()) << file;
    EXPECT_TRUE(check.Passed());
  }
}

TEST(LevelCheck, FindsTheLeakAndTheWayFromTheVoidThroughTheGap) {
  const std::filesystem::path file = kPreviewFixtures / "leaking_room.vmf";
  const std::string text = testing::ReadFile(file);
  const LevelMap map = ReadLevelMap(file);
  SolidGrid grid(map.brushes);
  const LevelCheck check = CheckLevel(map, grid);

  // The relay stands nearest the gap in the east wall.
  const std::size_t relayLine = LineOf(text, "\"classname\" \"logic_relay\"") - 3;
  EXPECT_THAT(Texts(check), ElementsAre("At line " + std::to_string(relayLine) +
                                        ": the level leaks: the void reaches logic_relay at 64 0 16 (and 2 more entities)"));
  ASSERT_GE(check.leakPath.size(), 2u);
  const Vec3 outside = check.leakPath.front();
  EXPECT_TRUE(outside.x > 144 || outside.x < -144 || outside.y > 144 || outside.y < -144 || outside.z > 144 ||
              outside.z < -16);
  EXPECT_DOUBLE_EQ(check.leakPath.back().x, 64);
  EXPECT_DOUBLE_EQ(check.leakPath.back().y, 0);
  bool throughGap = false;
  for (std::size_t i = 0; i + 1 < check.leakPath.size(); ++i) {
    const Vec3 a = check.leakPath[i], b = check.leakPath[i + 1];
    // Walk each leg in small steps: the way never enters a brush.
    for (double t = 0; t <= 1; t += 1.0 / 64) {
      const Vec3 p = a + (b - a) * t;
      EXPECT_FALSE(grid.Solid(grid.CellOf(p))) << p.x << " " << p.y << " " << p.z;
      if (p.x > 128 && p.x < 144 && std::fabs(p.y) < 16) throughGap = true;
    }
  }
  EXPECT_TRUE(throughGap);
}

struct FaultCase {
  std::string name;
  std::string from, to;  // an edit of the sealed room
  std::string anchor;    // the finding stands on this row's line ...
  int linesBefore = 0;   // ... or this many lines above it
  std::string finding;
};

class LevelFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LevelFaults, AreFoundOnTheirLine) {
  const FaultCase& c = GetParam();
  std::string text = testing::ReadFile(kPreviewFixtures / "sealed_room.vmf");
  const std::size_t at = text.find(c.from);
  ASSERT_NE(at, std::string::npos) << c.from;
  text.replace(at, c.from.size(), c.to);
  const testing::TempFolder folder;
  testing::WriteFile(folder / "level.vmf", text);

  const LevelCheck check = CheckLevel(ReadLevelMap(folder / "level.vmf"));
  const std::size_t line = LineOf(text, c.anchor) - static_cast<std::size_t>(c.linesBefore);
  EXPECT_THAT(Texts(check), ElementsAre("At line " + std::to_string(line) + ": " + c.finding));
  EXPECT_FALSE(check.Passed());
}

const std::string kCrateTop = "\"plane\" \"(-32 32 32) (32 32 32) (32 -32 32)\"";
const std::string kSide = "\r\n\t\t\t\"material\" \"DEV/DEV_MEASUREWALL01A\"\r\n\t\t}";

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelFaults,
    ::testing::Values(
        // A side set across the crate cuts its west face off the brush.
        FaultCase{"NonConvexBrush", "\"plane\" \"(32 32 0) (32 -32 0) (32 -32 32)\"" + kSide,
                  "\"plane\" \"(32 32 0) (32 -32 0) (32 -32 32)\"" + kSide +
                      "\r\n\t\tside\r\n\t\t{\r\n\t\t\t\"id\" \"90\"\r\n\t\t\t\"plane\" \"(0 32 32) (0 -32 32) "
                      "(0 -32 0)\"" + kSide,
                  "\"plane\" \"(-32 32 32) (-32 -32 32) (-32 -32 0)\"", 3,
                  "brush 44 is not convex: a side lies outside the shape its other sides enclose"},
        FaultCase{"OpenBrush", kCrateTop, "\"plane\" \"(-32 -32 0) (32 -32 0) (32 32 0)\"", "\"id\" \"44\"", 2,
                  "brush 44 is not closed: its sides leave it open"},
        FaultCase{"FlatBrush", kCrateTop, "\"plane\" \"(-32 32 0) (32 32 0) (32 -32 0)\"", "\"id\" \"44\"", 2,
                  "brush 44 has no volume"},
        FaultCase{"PointsInOneLine", kCrateTop, "\"plane\" \"(0 0 0) (1 1 1) (2 2 2)\"", "\"plane\" \"(0 0 0)", 3,
                  "brush 44 is not closed: the three points of a side lie on one line"},
        FaultCase{"PlaneNotNumbers", kCrateTop, "\"plane\" \"(0 0 0) (1 x 1) (2 2 2)\"", "\"plane\" \"(0 0 0)", 3,
                  "brush 44: the plane \"(0 0 0) (1 x 1) (2 2 2)\" is not three points"},
        FaultCase{"DuplicateIdentifier", "\"id\" \"9\"", "\"id\" \"2\"", "\t\"id\" \"2\"\r\n\t\tside\r\n\t\t{\r\n\t\t\t\"id\" \"10\"", 0,
                  "the identifier 2 is used twice (first at line 11)"},
        FaultCase{"DuplicateSideIdentifier", "\"id\" \"10\"", "\"id\" \"3\"", "\"id\" \"3\"\r\n\t\t\t\"plane\" \"(-144 144 144)", 0,
                  "the side identifier 3 is used twice (first at line 14)"},
        FaultCase{"MissingTarget", "lamp,TurnOn", "lamp2,TurnOn", "lamp2,TurnOn", 0,
                  "the output OnTrigger of logic_relay aims at lamp2, which no entity in the level is named"},
        FaultCase{"EntityOutsideTheWorld", "\"origin\" \"64 0 16\"", "\"origin\" \"20000 0 16\"",
                  "\"classname\" \"logic_relay\"", 3, "logic_relay at 20000 0 16 lies outside the world"},
        FaultCase{"UnclosedBlock", "\"OnTrigger\" \"lamp,TurnOn,,0,-1\"\r\n\t}", "\"OnTrigger\" \"lamp,TurnOn,,0,-1\"",
                  "\"classname\" \"logic_relay\"", 3, "the block entity is never closed"}),
    testing::ParamName{});

TEST(LevelCheck, TargetsMayBeClassesSpecialNamesOrWildcardsWhateverTheirCase) {
  const std::string text = testing::ReadFile(kPreviewFixtures / "sealed_room.vmf");
  for (const std::string target : {"LAMP", "light", "!activator", "la*", "sw*"}) {
    std::string edited = text;
    edited.replace(edited.find("lamp,TurnOn"), 4, target);
    const testing::TempFolder folder;
    testing::WriteFile(folder / "level.vmf", edited);
    EXPECT_TRUE(CheckLevel(ReadLevelMap(folder / "level.vmf")).Passed()) << target;
  }
}

// The editor counts sides apart from solids and entities, so a side may share a number
// with a solid.
TEST(LevelCheck, SidesAreNumberedApartFromSolids) {
  std::string text = testing::ReadFile(kPreviewFixtures / "sealed_room.vmf");
  text.replace(text.find("\"id\" \"3\""), 8, "\"id\" \"2\"");
  const testing::TempFolder folder;
  testing::WriteFile(folder / "level.vmf", text);
  EXPECT_THAT(Texts(CheckLevel(ReadLevelMap(folder / "level.vmf"))), IsEmpty());
}

// A map sealed in one box around the whole world would need gigabytes of fine cells.
TEST(LevelCheck, AWorldSizedBoxIsCheckedWithCoarserCells) {
  // The sealed room's shell, every corner a hundred times as far out; crate and entities stay.
  const std::string room = testing::ReadFile(kPreviewFixtures / "sealed_room.vmf");
  const auto crate = room.cbegin() + static_cast<std::ptrdiff_t>(room.find("\"id\" \"44\""));
  const std::regex corner(R"(\((-?\d+) (-?\d+) (-?\d+)\))");
  std::string text;
  auto last = room.cbegin();
  for (std::sregex_iterator it(room.cbegin(), crate, corner), end; it != end; ++it) {
    text.append(last, (*it)[0].first);
    text += "(" + std::to_string(std::stoi((*it)[1]) * 100) + " " + std::to_string(std::stoi((*it)[2]) * 100) + " " +
            std::to_string(std::stoi((*it)[3]) * 100) + ")";
    last = (*it)[0].second;
  }
  text.append(last, room.cend());
  const testing::TempFolder folder;
  testing::WriteFile(folder / "level.vmf", text);
  const LevelMap map = ReadLevelMap(folder / "level.vmf");
  EXPECT_GT(map.brushes[0].hull.high.x, 14000);
  EXPECT_EQ(map.brushes.back().hull.high.x, 32);
  EXPECT_GT(SolidGrid(map.brushes).CellSize(), 16);
  EXPECT_THAT(Texts(CheckLevel(map)), IsEmpty());
}

// Whatever a file holds, the check ends with findings and never crashes.
TEST(LevelCheck, BrokenFilesGiveFindings) {
  for (const std::string& text :
       {std::string(""), std::string("}\r\n}\r\n"), std::string("world\r\n{\r\nsolid\r\n{\r\nside\r\n{\r\n\"plane\" "
                                                                "\"(1e999 0 0) (0 1 0) (1 1 0)\"\r\n}\r\n}\r\n}\r\n"),
        std::string("world\r\n{\r\n\"id\" \"1e300\"\r\n}\r\nentity\r\n{\r\n\"origin\" \"nan 0 0\"\r\n\"classname\" "
                    "\"light\"\r\n}\r\n")}) {
    const testing::TempFolder folder;
    testing::WriteFile(folder / "level.vmf", text);
    EXPECT_FALSE(CheckLevel(ReadLevelMap(folder / "level.vmf")).Passed()) << text;
  }
}

// Runs of empty items are kept only as far as they change the pairing of keys and values.
TEST(LevelMapReading, LongRunsOfEmptyItemsPairAsShortOnesDo) {
  const testing::TempFolder folder;
  for (const char fill : {',', '"'}) {
    testing::WriteFile(folder / "level.vmf",
                       "entity\r\n{\r\n\"targetname\"," + std::string(10 << 20, fill) +
                           "\r\n\"origin\" \"0 0 64\"\r\n" + std::string(4, ',') +
                           "\"classname\",\"light\"\r\n}\r\n");
    const LinedItems read = ReadLinedItems(folder / "level.vmf");
    EXPECT_LT(read.items.size(), 20u);
    std::vector<BlockProblem> problems;
    const MapBlock root = ParseBlocks(read, problems);
    EXPECT_THAT(problems, IsEmpty());
    ASSERT_EQ(root.children.size(), 1u);
    const MapBlock& entity = root.children.front();
    ASSERT_EQ(entity.keys.size(), 3u) << fill;
    EXPECT_EQ(entity.keys[0].key, "targetname");
    EXPECT_EQ(entity.keys[0].value, "");
    EXPECT_EQ(entity.keys[1].key, "origin");
    EXPECT_EQ(entity.keys[1].value, "0 0 64");
    EXPECT_EQ(entity.keys[2].key, "classname");
    EXPECT_EQ(entity.keys[2].value, "light");
    EXPECT_EQ(entity.keys[2].line, 5u);
  }
}

}  // namespace
}  // namespace vendrel::preview
