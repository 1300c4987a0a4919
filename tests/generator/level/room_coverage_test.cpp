#include "room_coverage.h"

#include <gtest/gtest.h>

#include "categorize.h"
#include "engine_fixture.h"
#include "room_catalogue.h"
#include "room_fixtures.h"

namespace vendrel {
namespace {

using testing::FixtureRoom;

TEST(EntrySidesTest, EveryPieceEntersTheRoomsOwnConnectorSidesAndTheStartIsNeverEntered) {
  for (int type = 0; type < kPieceTypeCount; ++type) {
    SCOPED_TRACE(type);
    const std::vector<int> expected = type == 5 ? std::vector<int>{} : CanonicalConnectorSides(type);
    EXPECT_EQ(EntrySides(type), expected);
  }
  EXPECT_TRUE(EntrySides(7).empty());
}

struct CoverageTest : testing::EngineFixture {
  std::filesystem::path rooms = RoomsFolder(folder.Path());

  void Write(const FixtureRoom& room) { testing::WriteFixtureRoom(rooms, room); }
  // A turn whose header lost its east connector: the run leaves it out.
  void WriteTurnWithoutEast(const std::string& name) {
    RoomHeader header = testing::FixtureHeader({name, 1});
    header.connectors[1] = {};
    WriteRoomFile(rooms, name, header, testing::FixtureBody({name, 1}), [] { return 0.5; });
  }
  const CoverageRow& Row(const LibraryCoverage& coverage, int type, std::optional<int> size) {
    for (const CoverageRow& row : coverage.rows) {
      if (row.typeCode == type && row.size == size) return row;
    }
    throw std::out_of_range("no coverage row");
  }
  static std::vector<std::size_t> Counts(const CoverageRow& row) {
    std::vector<std::size_t> counts;
    for (const SideCoverage& side : row.sides) counts.push_back(side.rooms);
    return counts;
  }
};

TEST_F(CoverageTest, CountsFittingRoomsBySideAndSizeAndNamesTheHoles) {
  Write({"start", 5, {2, 0, 0, 0}});
  Write({"straight12", 0, {1, 0, 2, 0}});
  Write({"straight11", 0, {1, 0, 1, 0}});
  Write({"turn11", 1, {1, 1, 0, 0}});
  Write({"turn21", 1, {2, 1, 0, 0}});
  Write({"end", 6, {1, 0, 0, 0}});
  Write({"other genre", 1, {2, 2, 0, 0}, 4});
  const LibraryCoverage coverage = CoverageOf(Categorize(engine, rooms), 0);

  // Only sizes that a room with a way on offers: the end's own size counts for nothing.
  EXPECT_EQ(coverage.sizes, (std::vector<int>{1, 2}));
  EXPECT_EQ(coverage.usableRooms, 6u);
  EXPECT_EQ(Counts(Row(coverage, 0, 1)), (std::vector<std::size_t>{2, 1}));  // own sides 0 and 2
  EXPECT_EQ(Counts(Row(coverage, 0, 2)), (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(Counts(Row(coverage, 1, 2)), (std::vector<std::size_t>{1, 0}));  // the other genre fits nothing
  EXPECT_EQ(Counts(Row(coverage, 5, std::nullopt)), (std::vector<std::size_t>{1}));
  EXPECT_FALSE(Row(coverage, 1, 1).Hole());

  std::vector<std::pair<int, std::optional<int>>> holes;
  for (const CoverageRow& row : coverage.Holes()) holes.emplace_back(row.typeCode, row.size);
  const std::vector<std::pair<int, std::optional<int>>> expected{
      {0, 2}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}, {6, 2}};
  EXPECT_EQ(holes, expected);
}

TEST_F(CoverageTest, BlockedAndUnusableRoomsFitNothing) {
  Write({"start", 5, {1, 0, 0, 0}});
  Write({"tested", 1, {1, 1, 0, 0}});
  Write({"locked", 1, {1, 1, 0, 0}});
  WriteTurnWithoutEast("broken");
  RoomTable table = Categorize(engine, rooms);
  ASSERT_EQ(table.RoomCount(), 4u);
  const std::vector<std::size_t> before = Counts(Row(CoverageOf(table, 0), 1, 1));
  EXPECT_EQ(before, (std::vector<std::size_t>{2, 2}));

  for (RoomRow& row : table.rows) {
    if (row[kNameColumn].text == "locked") row[kTypeColumn] = RoomCell::FromItem("29");
  }
  const LibraryCoverage coverage = CoverageOf(table, 0);
  EXPECT_EQ(Counts(Row(coverage, 1, 1)), (std::vector<std::size_t>{1, 1}));
  EXPECT_EQ(coverage.blockedRooms, 1u);
  EXPECT_EQ(coverage.unusableRooms, 1u);
  EXPECT_EQ(coverage.usableRooms, 2u);
}

TEST_F(CoverageTest, WarnsOfEveryHoleWithTheRunsOwnError) {
  Write({"straight", 0, {1, 0, 1, 0}});
  Write({"end", 6, {1, 0, 0, 0}});
  const std::vector<std::string> warnings = CoverageWarnings(CoverageOf(Categorize(engine, rooms), 0));
  ASSERT_GE(warnings.size(), 2u);
  EXPECT_EQ(warnings.front(),
            "genre 0 has no room for a turn (type 1) entered through a size 1 connector on its "
            "own side 0 or 1; a run that needs one stops with \"Could not find any rooms to "
            "match current room connection type! (1)\".");
  EXPECT_EQ(warnings.back(),
            "genre 0 has no room for a game start (type 5); every run stops with \"Could not "
            "find any rooms to match current room connection type! (5)\".");
}

TEST_F(CoverageTest, TableMarksTheHoleRows) {
  Write({"start", 5, {1, 0, 0, 0}});
  Write({"straight", 0, {1, 0, 1, 0}});
  const std::string text = CoverageTableText(CoverageOf(Categorize(engine, rooms), 0));
  EXPECT_NE(text.find("Coverage of genre 0: 2 usable rooms\n0 blocked by room test mode, 0 unusable\nEntry sizes: 1\n"),
            std::string::npos);
  EXPECT_NE(text.find("0 two way         1     1     -     1     -\n"), std::string::npos) << text;
  EXPECT_NE(text.find("1 turn            1     0     0     -     -  <- no room\n"), std::string::npos) << text;
  EXPECT_NE(text.find("5 game start      -   any 1\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace vendrel
