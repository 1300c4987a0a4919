#include "categorize.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "param_name.h"
#include "room_catalogue.h"
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

TEST_F(CategorizeTest, ReportsEveryRoomLeftOutAndEveryDeletedFileInScanOrder) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"a", 0});
  testing::WriteFile(rooms / "b.rgr", "");
  testing::WriteFile(rooms / "d.rgr", "");
  std::string misfit = "Misfit\r\n 0 \r\n4\r\n";
  for (int line = 4; line <= 19; ++line) misfit += "\r\n";
  testing::WriteFile(rooms / "c.rgr", misfit + " c \r\n a \r\n/\\/EOF\\/\\\r\n");

  const RoomTable table = Categorize(engine, rooms);

  ASSERT_EQ(table.RoomCount(), 2u);
  ASSERT_EQ(table.leftOut.size(), 3u);
  EXPECT_EQ(table.leftOut[0].file, rooms / "b.rgr");
  EXPECT_EQ(table.leftOut[0].reason, "it was empty and has been deleted");
  EXPECT_EQ(table.leftOut[1].file, rooms / "d.rgr");
  EXPECT_EQ(table.leftOut[2].file, rooms / "c.rgr");
  EXPECT_EQ(table.leftOut[2].reason, "its connector 0 is missing");
  const std::string logged = LogText();
  for (const LeftOutRoom& room : table.leftOut) {
    EXPECT_NE(logged.find("] " + LeftOutRoomLine(room) + "\r\n"), std::string::npos)
        << LeftOutRoomLine(room);
  }
  EXPECT_EQ(LeftOutRoomLine(table.leftOut[2]),
            "Room file " + (rooms / "c.rgr").string() + " left out: its connector 0 is missing.");
}

struct UnreadableCase {
  std::string name;
  std::string text;
  std::string problem;
};

// A room text whose every line end is a lone carriage return.
std::string CarriageReturnsOnly() {
  std::string text = "cr\r 0 \r4\r0\r256\r0\r 1 \r";
  for (int line = 8; line <= 19; ++line) text += "\r";
  return text + " c \r a \rsolid\r{\r}\r/\\/EOF\\/\\\r";
}

std::string BinaryText() {
  std::string text;
  for (int i = 0; i < 30; ++i) text += std::string("PK\x03\x04\0\0\n", 7);
  return text;
}

class UnreadableHeaders : public ::testing::TestWithParam<UnreadableCase>,
                          public testing::EngineContext {};

TEST_P(UnreadableHeaders, KeepTheirRowAndAreNeverChosen) {
  const auto rooms = RoomsFolder(folder.Path());
  testing::WriteFixtureRoom(rooms, {"good", 0});
  testing::WriteFile(rooms / "bad.rgr", GetParam().text);

  const RoomTable table = Categorize(engine, rooms);

  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(table.RoomCount(), 2u);
  const RoomRow& bad = table.rows[0];
  EXPECT_EQ(bad.File(), rooms / "bad.rgr");
  EXPECT_EQ(bad.unreadable, GetParam().problem);
  EXPECT_EQ(table.rows[1][kNameColumn].text, "good");
  ASSERT_EQ(table.leftOut.size(), 1u);
  EXPECT_EQ(table.leftOut[0].file, rooms / "bad.rgr");
  EXPECT_EQ(table.leftOut[0].reason, "its header couldn't be read: " + GetParam().problem);
  EXPECT_NE(LogText().find(LeftOutRoomLine(table.leftOut[0])), std::string::npos);
  const RoomCatalogue catalogue = RoomCatalogue::Build(engine, table);
  EXPECT_EQ(catalogue.Rooms(0, 0), std::vector<std::size_t>{1});
}

constexpr const char* kControlByte = "an item holds the control byte ";
constexpr const char* kWhy = " (a binary file, or line ends other than CR LF)";

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableHeaders,
    ::testing::Values(UnreadableCase{"FewerThan21Items", "name\r\n 0 \r\n4\r\n",
                                     "holds only 3 of the 21 header items"},
                      UnreadableCase{"BinaryFile", BinaryText(),
                                     std::string("At line 1: ") + kControlByte + "3" + kWhy},
                      UnreadableCase{"CarriageReturnLineEnds", CarriageReturnsOnly(),
                                     std::string("At line 1: ") + kControlByte + "13" + kWhy}),
    testing::ParamName());

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

}  // namespace
}  // namespace vendrel
