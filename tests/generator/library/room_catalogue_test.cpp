#include "room_catalogue.h"

#include <gtest/gtest.h>

#include <cctype>

#include "categorize.h"
#include "engine_fixture.h"
#include "room_fixtures.h"

namespace vendrel {
namespace {

using RoomCatalogueTest = testing::EngineFixture;

TEST_F(RoomCatalogueTest, ListsRoomsByGenreTypeAndEachConnectorSize) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"a", 1, {1, 2, 0, 0}});
  testing::WriteFixtureRoom(rooms, {"b", 1, {2, 2, 0, 0}});
  testing::WriteFixtureRoom(rooms, {"c", 1, {1, 1, 0, 0}, 3});
  testing::WriteFixtureRoom(rooms, {"d", 0, {1, 0, 2, 0}});
  const RoomTable table = Categorize(engine, rooms);
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);

  using Rows = std::vector<std::size_t>;
  EXPECT_EQ(catalogue.Rooms(0, 1), (Rows{0, 1}));
  EXPECT_EQ(catalogue.Rooms(3, 1), (Rows{2}));
  EXPECT_EQ(catalogue.Rooms(0, 0), (Rows{3}));
  EXPECT_TRUE(catalogue.Rooms(1, 1).empty());
  EXPECT_EQ(catalogue.RoomsWithConnector(0, 1, 1, 2), (Rows{0, 1}));
  EXPECT_EQ(catalogue.RoomsWithConnector(0, 1, 0, 2), (Rows{1}));
  EXPECT_EQ(catalogue.RoomsWithConnector(0, 1, 0, 1), (Rows{0}));
  EXPECT_EQ(catalogue.RoomsWithConnector(0, 0, 2, 2), (Rows{3}));
  // A side the room has no connector on takes no part.
  EXPECT_TRUE(catalogue.RoomsWithConnector(0, 0, 1, 0).empty());
  EXPECT_NE(LogText().find("Categorizing 4 rooms..."), std::string::npos);
}

struct UnfitCase {
  std::string header;  // lines 2..19 after the name, joined by "|"
  std::string why;
};

class RoomUnfitnessTest : public ::testing::TestWithParam<UnfitCase> {};

TEST_P(RoomUnfitnessTest, SaysWhyARoomCannotBePlaced) {
  RoomRow row;
  std::size_t start = 0;
  int column = 1;
  const std::string& header = GetParam().header;
  for (;;) {
    const std::size_t bar = header.find('|', start);
    row[column++] = RoomCell::FromItem(header.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  EXPECT_EQ(RoomUnfitness(row), GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoomUnfitnessTest,
    ::testing::Values(
        UnfitCase{"0|4|0|256|0|1", ""},
        UnfitCase{"x|4|0|256|0|1", "its genre \"x\" is not a whole number"},
        UnfitCase{"0|4.5|0|256|0|1", "its type \"4.5\" is not a whole number"},
        UnfitCase{"0|4||||", "its connector 0 is missing"},
        UnfitCase{"0|4|0|far|0|1", "its connector 0 has a position that is not a number"},
        UnfitCase{"0|4|0|256|0|big", "its connector 0 has a size that is not a whole number"},
        UnfitCase{"0|0|0|256|0|1", "its connector 2 is missing"},
        UnfitCase{"0|29|0|256|0|1", ""}),
    [](const ::testing::TestParamInfo<UnfitCase>& testCase) {
      std::string name = testCase.param.why.empty() ? "fit" : testCase.param.why;
      for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
      }
      return name + std::to_string(testCase.index);
    });

TEST_F(RoomCatalogueTest, LeavesOutRoomsThatCannotBePlaced) {
  RoomTable table;
  RoomRow& broken = table.rows.emplace_back();
  broken[kGenreColumn] = RoomCell::FromItem("0");
  broken[kTypeColumn] = RoomCell::FromItem("4");
  broken[kPathColumn].text = "/lib/rooms/broken.rgr";
  RoomRow& unreadable = table.rows.emplace_back();
  unreadable[kPathColumn].text = "/lib/rooms/unreadable.rgr";
  unreadable.unreadable = "holds only 3 of the 21 header items";
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);
  EXPECT_TRUE(catalogue.Rooms(0, 4).empty());
  EXPECT_EQ(RoomUnfitness(unreadable),
            "its header couldn't be read: holds only 3 of the 21 header items");
}

}  // namespace
}  // namespace vendrel
