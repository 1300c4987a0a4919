#include "categorize.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "map_error.h"
#include "room_fixtures.h"
#include "room_list.h"

namespace vendrel {
namespace {

using CategorizeTest = testing::EngineFixture;

TEST_F(CategorizeTest, ReadsEveryHeaderIntoARowKeepingTextAndNumbers) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"Hall B", 2, {1, 3, 0, 0}, 4});
  // A hand-written header: empty genre and type items, a text where a number could be.
  std::string oddHeader = "Odd room\r\n\r\n\r\n1.5\r\n-512\r\n0\r\n 2 \r\n";
  for (int line = 8; line <= 19; ++line) oddHeader += "\r\n";
  testing::WriteFile(rooms / "Odd.rgr", oddHeader + " abc \r\n me \r\n/\\/EOF\\/\\\r\n");
  const RoomTable table = Categorize(engine, rooms);

  ASSERT_EQ(table.RoomCount(), 2u);
  const RoomRow& hall = table.rows[0];
  EXPECT_EQ(hall[kNameColumn].text, "Hall B");
  EXPECT_FALSE(hall[kNameColumn].number);
  EXPECT_EQ(hall[kGenreColumn].number, 4.0);
  EXPECT_EQ(hall[kTypeColumn].number, 2.0);
  EXPECT_EQ(hall[ConnectorColumn(1, 0)].number, 256.0);
  EXPECT_EQ(hall[ConnectorColumn(1, 3)].number, 3.0);
  EXPECT_EQ(hall[ConnectorColumn(2, 0)].text, "");  // type 2 has no south connector
  EXPECT_EQ(hall[ConnectorColumn(2, 0)].number, 0.0);
  EXPECT_EQ(hall.File(), rooms / "HallB.rgr");
  EXPECT_EQ(hall[kCommentColumn].text, "test room");
  EXPECT_EQ(hall[kAuthorColumn].text, "tests");

  const RoomRow& odd = table.rows[1];
  EXPECT_EQ(odd[kGenreColumn].number, 0.0);
  EXPECT_EQ(odd[kTypeColumn].number, 0.0);
  EXPECT_EQ(odd[ConnectorColumn(0, 0)].text, "1.5");
  EXPECT_EQ(odd[ConnectorColumn(0, 0)].number, 1.5);
  EXPECT_EQ(odd[kCommentColumn].text, "abc");

  const auto connectors = hall.Connectors();
  EXPECT_TRUE(connectors[0].present);
  EXPECT_FALSE(connectors[2].present);
  EXPECT_EQ(connectors[1].x, "256");
  EXPECT_EQ(connectors[1].size, 3);

  EXPECT_EQ(host.statuses.back(), "Catigorizing Rooms...");
  EXPECT_EQ(host.progress.back(), 100);
}

TEST_F(CategorizeTest, DeletesEmptyFilesAndIgnoresOtherFiles) {
  const auto rooms = RoomsFolder(folder.Path());
  for (const char* name : {"c", "a", "e"}) testing::WriteFixtureRoom(rooms, {name, 0});
  testing::WriteFile(rooms / "b.rgr", "");
  testing::WriteFile(rooms / "d.rgr", "");
  testing::WriteFile(rooms / "a.rgr.BCKP57", "");
  testing::WriteFile(rooms / "notes.txt", "x");
  std::filesystem::create_directory(rooms / "sub.rgr");

  const RoomTable table = Categorize(engine, rooms);

  ASSERT_EQ(table.RoomCount(), 3u);
  EXPECT_EQ(table.rows[0].File(), rooms / "a.rgr");
  EXPECT_EQ(table.rows[1].File(), rooms / "c.rgr");
  EXPECT_EQ(table.rows[2].File(), rooms / "e.rgr");
  EXPECT_FALSE(std::filesystem::exists(rooms / "b.rgr"));
  EXPECT_FALSE(std::filesystem::exists(rooms / "d.rgr"));
  EXPECT_TRUE(std::filesystem::exists(rooms / "a.rgr.BCKP57"));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CategorizeTest, ACorruptFileEndsTheScanNamingIt) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"good", 0});
  testing::WriteFile(rooms / "short.rgr", "name\r\n 0 \r\n4\r\n");
  try {
    Categorize(engine, rooms);
    FAIL() << "the scan went on";
  } catch (const MapErrorExit& error) {
    EXPECT_FALSE(error.Fatal());
  }
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages[0].text,
            "An error occoured when creating map. Following error message was returned: The file: " +
                rooms.string() + "/short.rgr couldn't be opened. It's probably corrupt.");
  EXPECT_FALSE(std::filesystem::exists(folder / "errorlog.txt"));
}

TEST_F(CategorizeTest, EmptyOrMissingFolderGivesAnEmptyTableAndList) {
  EXPECT_EQ(Categorize(engine, folder / "nowhere").RoomCount(), 0u);
  std::filesystem::create_directory(RoomsFolder(folder.Path()));
  const RoomTable table = Categorize(engine, RoomsFolder(folder.Path()));
  EXPECT_EQ(table.RoomCount(), 0u);
  const RoomListView view = RefreshRoomList(table, 0);
  EXPECT_TRUE(view.names.empty());
  EXPECT_EQ(view.selected, -1);
  EXPECT_FALSE(view.roomButtonsEnabled);
}

struct SelectionCase {
  int rooms;
  int remembered;
  int selected;
};

class RoomListSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(RoomListSelection, KeepsTheSelectionWhereTheListReachesIt) {
  RoomTable table;
  for (int i = 0; i < GetParam().rooms; ++i) {
    table.rows.emplace_back()[kPathColumn].text = "/lib/rooms/room" + std::to_string(i) + ".rgr";
  }
  const RoomListView view = RefreshRoomList(table, GetParam().remembered);
  EXPECT_EQ(view.selected, GetParam().selected);
  EXPECT_EQ(view.roomButtonsEnabled, GetParam().rooms > 0);
  ASSERT_EQ(view.names.size(), static_cast<std::size_t>(GetParam().rooms));
  if (GetParam().rooms > 0) {
    EXPECT_EQ(view.names.back(), "room" + std::to_string(GetParam().rooms - 1) + ".rgr");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RoomListSelection,
                         ::testing::Values(SelectionCase{3, 1, 1}, SelectionCase{3, 2, 2},
                                           SelectionCase{2, 2, 1}, SelectionCase{3, -1, -1},
                                           SelectionCase{0, 0, -1}),
                         [](const ::testing::TestParamInfo<SelectionCase>& testCase) {
                           return std::to_string(testCase.param.rooms) + "rooms_remembered" +
                                  (testCase.param.remembered < 0 ? "None"
                                                             : std::to_string(testCase.param.remembered));
                         });

TEST(RemoveJunk, DropsControlCharactersOnly) {
  EXPECT_EQ(RemoveJunk("a\tb\r\nc \x1f\x7f\xe9"), "abc \x7f\xe9");
  EXPECT_EQ(RemoveJunk(""), "");
}

}  // namespace
}  // namespace vendrel
