#include "room_file.h"

#include <gtest/gtest.h>

#include <deque>

#include "map_file_size.h"
#include "map_format_error.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

RoomHeader TurnRoom() {
  RoomHeader header;
  header.name = "Big Room: 2/3";
  header.genre = 0;
  header.type = "1";
  header.connectors[0] = {true, "0", "512", "0", 1};
  header.connectors[1] = {true, "512", "0", "0", 1};
  header.comment = "Mega room, made By Quorl. Hello world!";
  header.author = "Quorl the Godlike";
  return header;
}

const Items kBody = {"solid", "{", "id", "1", "side", "{", "plane", "(0 0 0) (0 64 0) (64 64 0)",
                     "}", "}", "}", "entity", "{", "id", "2", "classname", "logic_relay",
                     "connections", "{", "OnTrigger", "door1,Open,,0,-1", "}", "message",
                     "Don't move", "}"};

std::function<double()> Draws(std::deque<double> values) {
  return [values]() mutable {
    const double value = values.empty() ? 0.0 : values.front();
    if (!values.empty()) values.pop_front();
    return value;
  };
}

TEST(RoomFile, WritesTheLaidOutFile) {
  testing::TempFolder folder;
  const auto written = WriteRoomFile(folder / "rooms", TurnRoom().name, TurnRoom(), kBody, Draws({}));
  EXPECT_EQ(written.file, folder / "rooms" / "BigRoom23.rgr");
  const std::string text = testing::ReadFile(written.file);
  EXPECT_EQ(written.size, text.size());
  EXPECT_EQ(text,
            "Big Room: 2/3\r\n 0 \r\n1\r\n0\r\n512\r\n0\r\n 1 \r\n512\r\n0\r\n0\r\n 1 \r\n"
            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
            " Mega room; made By Quorl. Hello world! \r\n Quorl the Godlike \r\n"
            "solid\r\n{\r\n\"id\" \"1\"\r\nside\r\n{\r\n\"plane\" \"(0 0 0) (0 64 0) (64 64 0)\"\r\n"
            "}\r\n}\r\n/\\/worldend\\/\\\r\nentity\r\n{\r\n\"id\" \"2\"\r\n"
            "\"classname\" \"logic_relay\"\r\nconnections\r\n{\r\n"
            "\"OnTrigger\" \"door1,Open,,0,-1\"\r\n}\r\n\"message\" \"Don't move\"\r\n}\r\n"
            "/\\/EOF\\/\\\r\n");
}

TEST(RoomFile, ReadersGiveBackHeaderAndBody) {
  testing::TempFolder folder;
  RoomHeader header = TurnRoom();
  header.comment = "";
  const auto written = WriteRoomFile(folder.Path(), "room", header, kBody, Draws({}));
  const auto items = ReadRoomHeader(written.file);
  EXPECT_EQ(items[0], "Big Room: 2/3");
  EXPECT_EQ(items[1], "0");
  EXPECT_EQ(items[6], "1");
  EXPECT_EQ(items[11], "");
  EXPECT_EQ(items[19], "") << "a cancelled comment reads back empty";
  EXPECT_EQ(items[20], "Quorl the Godlike");

  Items expectedBody = kBody;
  expectedBody[10] = std::string(kWorldEndMarker);
  EXPECT_EQ(ReadRoomBody(written.file), expectedBody);
}

// Whatever texts the header is given, it reads back as the same 21 items.
TEST(RoomFile, AnyHeaderTextReadsBackAsOneItem) {
  testing::TempFolder folder;
  const std::string awkward[] = {"a,b,,c", "\"quoted\" start", "  padded  ", "tab\tinside",
                                 "line\r\nbreak", ",", "\"", "", "Don't, \"ever\", stop"};
  for (const std::string& text : awkward) {
    RoomHeader header = TurnRoom();
    header.name = header.comment = header.author = text;
    const auto written = WriteRoomFile(folder.Path(), "room", header, kBody, Draws({0.5}));
    const auto items = ReadRoomHeader(written.file);
    EXPECT_EQ(items[0], HeaderText(text)) << text;
    EXPECT_EQ(items[19], HeaderText(text)) << text;
    EXPECT_EQ(items[20], HeaderText(text)) << text;
    EXPECT_EQ(items[1], "0") << text;
    EXPECT_EQ(ReadRoomBody(written.file).front(), "solid") << text;
  }
  EXPECT_EQ(HeaderText("a,b"), "a;b");
  EXPECT_EQ(HeaderText("  x  "), "x");
}

TEST(RoomFile, ExistingFileIsBackedUpAndTakenBackupNamesDrawnAgain) {
  testing::TempFolder folder;
  const auto first = WriteRoomFile(folder.Path(), "room", TurnRoom(), kBody, Draws({}));
  const std::string firstText = testing::ReadFile(first.file);
  testing::WriteFile(folder / "room.rgr.BCKP57", "older backup");

  // 0.53 draws 57 (taken), 0.0 draws 10 (free).
  RoomHeader second = TurnRoom();
  second.author = "Someone Else";
  const auto written = WriteRoomFile(folder.Path(), "room", second, kBody, Draws({0.53, 0.0}));
  ASSERT_TRUE(written.backup);
  EXPECT_EQ(*written.backup, folder / "room.rgr.BCKP10");
  EXPECT_EQ(testing::ReadFile(*written.backup), firstText);
  EXPECT_EQ(testing::ReadFile(folder / "room.rgr.BCKP57"), "older backup");
  EXPECT_NE(testing::ReadFile(written.file).find("Someone Else"), std::string::npos);
}

TEST(RoomFile, EveryBackupNameTakenStillKeepsTheOldFile) {
  testing::TempFolder folder;
  WriteRoomFile(folder.Path(), "room", TurnRoom(), kBody, Draws({}));
  for (int n = 10; n <= 98; ++n) testing::WriteFile(folder / ("room.rgr.BCKP" + std::to_string(n)), "x");
  const auto written = WriteRoomFile(folder.Path(), "room", TurnRoom(), kBody, Draws({}));
  ASSERT_TRUE(written.backup);
  EXPECT_EQ(*written.backup, folder / "room.rgr.BCKP99");
}

TEST(RoomFile, CleansFileNames) {
  EXPECT_EQ(CleanRoomFileName("Big Room: 2/3"), "BigRoom23");
  EXPECT_EQ(CleanRoomFileName("a\\b?c*d<e>f|g\"h:i"), "abcdefghi");
  EXPECT_EQ(CleanRoomFileName("Don't, stop.\xE9"), "Don't,stop.\xE9");
}

TEST(RoomFile, ReadersReportShortFiles) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "short.rgr", "name\r\n 0 \r\n1\r\n");
  EXPECT_THROW(ReadRoomHeader(folder / "short.rgr"), MapFormatError);

  const auto written = WriteRoomFile(folder.Path(), "cut", TurnRoom(), kBody, Draws({}));
  std::string text = testing::ReadFile(written.file);
  text.resize(text.find("/\\/EOF"));
  testing::WriteFile(written.file, text);
  try {
    ReadRoomBody(written.file);
    FAIL() << "no error";
  } catch (const MapFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("cut.rgr"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("end line"), std::string::npos);
  }
}

TEST(RoomFile, ARoomFileLargerThanARoomMayBeIsRefusedUnread) {
  testing::TempFolder folder;
  const auto written = WriteRoomFile(folder.Path(), "huge", TurnRoom(), kBody, Draws({}));
  // Padded sparse: the size is what counts, and nothing of it is read.
  const Items body = ReadRoomBody(written.file);
  std::filesystem::resize_file(written.file, kLargestRoomMapBytes + 1);
  try {
    ReadRoomBody(written.file);
    FAIL() << "no error";
  } catch (const MapFormatError& error) {
    EXPECT_EQ(error.Problem(), "holds 33554433 bytes, more than the 33554432 a room may hold");
    EXPECT_EQ(error.File(), written.file);
  }
  std::filesystem::resize_file(written.file, kLargestRoomMapBytes);
  EXPECT_EQ(ReadRoomBody(written.file), body) << "what follows the end line is not read";
}

}  // namespace
}  // namespace vendrel
