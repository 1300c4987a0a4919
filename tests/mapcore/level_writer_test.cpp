#include "level_writer.h"

#include <gtest/gtest.h>

#include <system_error>

#include "room_printer.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

class LevelWriterTest : public ::testing::Test {
 protected:
  std::string Written() {
    writer.Close();
    return testing::ReadFile(folder / "temp.dta");
  }

  testing::TempFolder folder;
  LevelWriter writer{folder / "temp.dta"};
};

TEST_F(LevelWriterTest, RowsGetTabsQuotesAndCrLf) {
  writer.PrintToFile("'mapversion' '8'", 1);
  writer.PrintToFile("solid", 0);
  writer.PrintToFile("{", -3);
  writer.PrintFinishedRow(KeyValueRow("message", "Don't move"), 2);
  EXPECT_EQ(Written(),
            "\t\"mapversion\" \"8\"\r\nsolid\r\n{\r\n\t\t\"message\" \"Don't move\"\r\n");
}

TEST_F(LevelWriterTest, ReopeningTruncatesAndCloseTwiceDoesNothing) {
  writer.PrintToFile("first");
  writer.Close();
  writer.Close();
  EXPECT_FALSE(writer.IsOpen());
  writer.PrintToFile("second");
  EXPECT_EQ(Written(), "second\r\n");
}

// The rows sit in the buffer until the close, where a full disk first shows.
TEST(LevelWriter, AFullDiskIsReportedWhenTheFileIsClosed) {
  LevelWriter writer("/dev/full");
  writer.PrintToFile("'classname' 'worldspawn'", 1);
  try {
    writer.Close();
    FAIL() << "the lost rows went unnoticed";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::errc::no_space_on_device);
    EXPECT_NE(std::string(error.what()).find("/dev/full"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(writer.IsOpen());
}

TEST_F(LevelWriterTest, FixedRowsAroundTheRooms) {
  WriteLevelHeader(writer, "sky_day01_01");
  Items entities;
  WriteEntites(writer, entities);
  const std::string text = Written();
  const std::string expected =
      "versioninfo\r\n{\r\n\t\"mapversion\" \"8\"\r\n\t\"formatversion\" \"100\"\r\n"
      "\t\"prefab\" \"0\"\r\n}\r\nvisgroups\r\n{\r\n\tvisgroup\r\n\t{\r\n"
      "\t\t\"name\" \"Auto\"\r\n\t\t\"visgroupid\" \"1\"\r\n\t\t\"color\" \"0 255 255\"\r\n"
      "\t\tvisgroup\r\n\t\t{\r\n\t\t\t\"name\" \"Entities\"\r\n\t\t\t\"visgroupid\" \"3\"\r\n"
      "\t\t\t\"color\" \"255 255 0\"\r\n\t\t}\r\n\t\tvisgroup\r\n\t\t{\r\n"
      "\t\t\t\"name\" \"Brush Entities\"\r\n\t\t\t\"visgroupid\" \"4\"\r\n"
      "\t\t\t\"color\" \"0 255 0\"\r\n\t\t}\r\n\t\tvisgroup\r\n\t\t{\r\n"
      "\t\t\t\"name\" \"Detail Brushes\"\r\n\t\t\t\"visgroupid\" \"2\"\r\n"
      "\t\t\t\"color\" \"0 0 255\"\r\n\t\t}\r\n\t}\r\n}\r\nworld\r\n{\r\n\t\"id\" \"1\"\r\n"
      "\t\"mapversion\" \"8\"\r\n\t\"classname\" \"worldspawn\"\r\n"
      "\t\"skyname\" \"sky_day01_01\"\r\n\"maxpropscreenwidth\" \"-1\"\r\n}\r\n";
  EXPECT_EQ(text, expected);
}

TEST_F(LevelWriterTest, PrintRoomSplitsWorldAndEntitiesAndPairsItems) {
  const Items inserts = {"solid", "{", "id", "7", "}"};
  const Items room = {"solid", "{", "id", "1", "side", "{", "plane", "(0 0 0) (1 0 0) (1 1 0)",
                      "}", "}", "", std::string(kWorldEndMarker), "entity", "{", "classname",
                      "info_target", "targetname", "Bob's", "connections", "{", "OnTrigger",
                      "a,Kill,,0,-1", "}", "}", "last"};
  Items entities = {"entity", "{", "\"id\" \"2\"", "}"};
  PrintRoom(inserts, room, writer, entities);
  WriteEntites(writer, entities);
  EXPECT_TRUE(entities.empty());
  EXPECT_EQ(Written(),
            "\t\tsolid\r\n\t\t{\r\n\t\t\t\"id\" \"7\"\r\n\t\t}\r\n"
            "\t\tsolid\r\n\t\t{\r\n\t\t\t\"id\" \"1\"\r\n\t\t\tside\r\n\t\t\t{\r\n"
            "\t\t\t\t\"plane\" \"(0 0 0) (1 0 0) (1 1 0)\"\r\n\t\t\t}\r\n\t\t}\r\n"
            "}\r\n"
            "entity\r\n{\r\n\t\"id\" \"2\"\r\n}\r\n"
            "entity\r\n{\r\n\t\"classname\" \"info_target\"\r\n\t\"targetname\" \"Bob's\"\r\n"
            "\tconnections\r\n\t{\r\n\t\t\"OnTrigger\" \"a,Kill,,0,-1\"\r\n\t}\r\n}\r\n"
            "\"last\" \"\"\r\n");
}

TEST_F(LevelWriterTest, KeyBeforeAnEmptyItemPairsWithIt) {
  const Items room = {"solid", "{", "key", "", "other", "value", "}"};
  Items entities;
  PrintRoom({}, room, writer, entities);
  EXPECT_EQ(Written(), "\t\tsolid\r\n\t\t{\r\n\t\t\t\"key\" \"\"\r\n\t\t\t\"other\" \"value\"\r\n\t\t}\r\n");
}

TEST_F(LevelWriterTest, UnbalancedClosingBracesPrintUnindented) {
  const Items room = {"}", "}", "}", "}"};
  Items entities;
  PrintRoom({}, room, writer, entities);
  EXPECT_EQ(Written(), "\t}\r\n}\r\n}\r\n}\r\n");
}

}  // namespace
}  // namespace vendrel
