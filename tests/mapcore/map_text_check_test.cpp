#include "map_text_check.h"

#include <gtest/gtest.h>

#include "map_format_error.h"
#include "param_name.h"
#include "room_file.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

// A room file whose body rows are `rows`; its first body row stands on line 22.
std::string RoomFileText(const std::vector<std::string>& rows) {
  std::string text = "Room\r\n 0 \r\n4\r\n";
  for (int i = 0; i < 16; ++i) text += "\r\n";
  text += " c \r\n a \r\n";
  for (const std::string& row : rows) text += row + "\r\n";
  return text + "/\\/EOF\\/\\\r\n";
}

// Lines 22 to 36; the end line is line 37.
const std::vector<std::string> kSoundRows = {"solid",
                                             "{",
                                             "\"id\" \"1\"",
                                             "side",
                                             "{",
                                             "\"plane\" \"(0 0 0) (0 64 0) (64 64 0)\"",
                                             "\"uaxis\" \"[1 0 0 0] 0.25\"",
                                             "}",
                                             "}",
                                             "/\\/worldend\\/\\",
                                             "entity",
                                             "{",
                                             "\"classname\" \"light\"",
                                             "\"origin\" \"0 0 64\"",
                                             "}"};
constexpr std::size_t kFirstBodyLine = 22;

struct BodyFaultCase {
  std::string name;
  // Replaces the sound body's row at `row` (from 0) by `replacement` (erasing it when
  // empty); `insert` puts it before that row instead.
  std::size_t row;
  std::string replacement;
  bool insert;
  std::size_t line;
  std::string problem;
};

std::vector<std::string> FaultyRows(const BodyFaultCase& c) {
  std::vector<std::string> rows = kSoundRows;
  const auto at = rows.begin() + static_cast<std::ptrdiff_t>(c.row);
  if (c.insert) {
    rows.insert(at, c.replacement);
  } else if (c.replacement.empty()) {
    rows.erase(at);
  } else {
    *at = c.replacement;
  }
  return rows;
}

class RoomBodyFaults : public ::testing::TestWithParam<BodyFaultCase> {};

TEST_P(RoomBodyFaults, AreReportedWithTheFileAndLine) {
  const BodyFaultCase& c = GetParam();
  testing::TempFolder folder;
  const auto file = folder / "bad.rgr";
  testing::WriteFile(file, RoomFileText(FaultyRows(c)));
  try {
    ReadRoomBody(file);
    FAIL() << "the body was read";
  } catch (const MapFormatError& error) {
    EXPECT_EQ(error.Line(), c.line);
    EXPECT_EQ(std::string(error.what()),
              file.string() + ": At line " + std::to_string(c.line) + ": " + c.problem);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoomBodyFaults,
    ::testing::Values(
        BodyFaultCase{"BraceRemoved", 8, "", false, 30,
                      "the world end line stands inside the block \"solid\" opened at line 23"},
        BodyFaultCase{"ClosingBraceTooMany", 15, "}", true, 37, "a } that closes no block"},
        BodyFaultCase{"StrayWordBeforeABrace", 11, "junk", true, 32,
                      "the word \"entity\" is neither a key with its value on its line nor a "
                      "block name followed by {"},
        BodyFaultCase{"BraceWithoutBlockName", 3, "", false, 25, "a { that follows no block name"},
        BodyFaultCase{"KeyWithoutValue", 12, "\"classname\"", false, 34,
                      "the word \"classname\" is neither a key with its value on its line nor a "
                      "block name followed by {"},
        BodyFaultCase{"ValueWithoutKey", 12, "\"\" \"light\"", false, 34,
                      "the value \"light\" has no key"},
        BodyFaultCase{"ThirdItemOnAKeyLine", 13, "\"origin\" \"0 0 64\" \"x\"", false, 35,
                      "the item \"x\" follows the key \"origin\" and its value on their line"},
        BodyFaultCase{"ALongItemIsQuotedShort", 13, "\"origin\" \"0 0 64\" " + std::string(5000, '7'),
                      false, 35,
                      "the item \"" + std::string(48, '7') +
                          "...\" (5000 characters) follows the key \"origin\" and its value on their "
                          "line"},
        BodyFaultCase{"BraceAsValue", 12, "\"message\" \"{\"", false, 34,
                      "\"message\" and \"{\" stand on one line, but a brace or a marker line holds "
                      "nothing else"},
        BodyFaultCase{"KeyOutsideEveryBlock", 15, "\"origin\" \"0 0 0\"", true, 37,
                      "the key \"origin\" stands outside every block"},
        BodyFaultCase{"SecondWorldEnd", 15, "/\\/worldend\\/\\", true, 37,
                      "a second world end line"},
        BodyFaultCase{"WorldEndMissing", 9, "", false, 36,
                      "the world end line /\\/worldend\\/\\ is missing"},
        BodyFaultCase{"EntityNeverClosed", 14, "", false, 36,
                      "the block \"entity\" opened at line 33 is never closed"},
        BodyFaultCase{"NulInAValue", 12, std::string("\"classname\" \"li\0ght\"", 20), false, 34,
                      "an item holds the control byte 0 (a binary file, or line ends other than "
                      "CR LF)"},
        BodyFaultCase{"DoubleQuoteInAValue", 12, "\"classname\" li\"ght", false, 34,
                      "an item holds a double quote, which would end its quoting in a level"},
        BodyFaultCase{"CarriageReturnInsideALine", 12, "\"classname\" \"light\"\r\"id\" \"2\"",
                      false, 34,
                      "an item holds the control byte 13 (a binary file, or line ends other than "
                      "CR LF)"},
        BodyFaultCase{"PlanePointNotFinite", 5, "\"plane\" \"(0 0 0) (0 64 0) (1e999 64 0)\"",
                      false, 27,
                      "the value \"(0 0 0) (0 64 0) (1e999 64 0)\" of \"plane\" holds \"1e999\", "
                      "which is not a finite number"},
        BodyFaultCase{"PlanePointFarOutside", 5, "\"plane\" \"(0 0 0) (1e308 64 0) (64 64 0)\"",
                      false, 27,
                      "the value \"(0 0 0) (1e308 64 0) (64 64 0)\" of \"plane\" holds \"1e308\", "
                      "far outside the world (beyond 32768 from its middle)"},
        BodyFaultCase{"OriginNaN", 13, "\"origin\" \"nan 0 64\"", false, 35,
                      "the value \"nan 0 64\" of \"origin\" holds \"nan\", which is not a finite "
                      "number"},
        BodyFaultCase{"OriginFarOutside", 13, "\"origin\" \"0 -40000 64\"", false, 35,
                      "the value \"0 -40000 64\" of \"origin\" holds \"-40000\", far outside the "
                      "world (beyond 32768 from its middle)"},
        BodyFaultCase{"AngleNotFinite", 13, "\"angles\" \"0 inf 0\"", false, 35,
                      "the value \"0 inf 0\" of \"angles\" holds \"inf\", which is not a finite "
                      "number"},
        BodyFaultCase{"TextureAxisNotFinite", 6, "\"uaxis\" \"[1 0 0 0] -inf\"", false, 28,
                      "the value \"[1 0 0 0] -inf\" of \"uaxis\" holds \"-inf\", which is not a "
                      "finite number"},
        // A 10 MB line is refused as a short one is, without keeping its items.
        BodyFaultCase{"LongLineOfCommas", 13, std::string(10 << 20, ','), false, 35,
                      "the item \"\" follows the key \"\" and its value on their line"},
        BodyFaultCase{"LongLineOfQuotes", 13, std::string(10 << 20, '"'), false, 35,
                      "the item \"\" follows the key \"\" and its value on their line"},
        BodyFaultCase{"ControlByteFarAlongALongLine", 13,
                      std::string(1 << 20, ',') + "\x01" + std::string(1 << 20, ','), false, 35,
                      "an item holds the control byte 1 (a binary file, or line ends other than "
                      "CR LF)"},
        BodyFaultCase{"TextureAxisWord", 6, "\"uaxis\" \"[1 0 x 0] 0.25\"", false, 28,
                      "the value \"[1 0 x 0] 0.25\" of \"uaxis\" holds \"x\" where a number is "
                      "needed"}),
    testing::ParamName());

TEST(RoomBodyCheck, ASoundBodyReadsWhole) {
  testing::TempFolder folder;
  const auto file = folder / "good.rgr";
  std::vector<std::string> rows = kSoundRows;
  // What sound bodies also hold: a world key after the brushes, an empty value, an empty
  // line, a nested block, an empty angle, a plain start fraction and a point at the bounds.
  rows.insert(rows.begin() + 9, "\"detailmaterial\" \"\"");
  rows.insert(rows.end() - 1, "");
  rows.insert(rows.end() - 1, "\"angles\" \"0  0\"");
  rows.insert(rows.end() - 1, "\"startposition\" \"0.5\"");
  rows.insert(rows.end() - 1, "\"point0\" \"32768 -32768 0\"");
  rows.insert(rows.end() - 1, "connections");
  rows.insert(rows.end() - 1, "{");
  rows.insert(rows.end() - 1, "\"OnTrigger\" \"door1,Open,,0,-1\"");
  rows.insert(rows.end() - 1, "}");
  testing::WriteFile(file, RoomFileText(rows));

  std::vector<std::size_t> lines;
  const Items body = ReadRoomBody(file, lines);
  ASSERT_EQ(body.size(), lines.size());
  EXPECT_EQ(body.back(), "}");
  EXPECT_EQ(lines.back(), kFirstBodyLine + rows.size() - 1);
}

struct MapFaultCase {
  std::string name;
  Items items;
  std::vector<std::size_t> lines;
  std::size_t line;
  std::string problem;
};

class MapFaults : public ::testing::TestWithParam<MapFaultCase> {};

TEST_P(MapFaults, AreFoundWithTheirLine) {
  const MapFaultCase& c = GetParam();
  const auto fault = FindMapTextFault(c.items, c.lines, MapTextLayout::Map, c.lines.back() + 1);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->line, c.line);
  EXPECT_EQ(fault->problem, c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapFaults,
    ::testing::Values(
        MapFaultCase{"KeyAfterTheWorld",
                     {"world", "{", "solid", "{", "}", "}", "id", "1"},
                     {1, 2, 3, 4, 5, 6, 7, 7},
                     7,
                     "the key \"id\" stands outside every block"},
        MapFaultCase{"RoomFileLine",
                     {"world", "{", "}", std::string(kWorldEndMarker)},
                     {1, 2, 3, 4},
                     4,
                     "the line /\\/worldend\\/\\ has no place here"},
        MapFaultCase{"BrushOutsideTheWorld",
                     {"solid", "{", "}"},
                     {1, 2, 3},
                     1,
                     "the first brush stands outside the world block"},
        MapFaultCase{"SolidAsAValueBeforeTheFirstBrush",
                     {"world", "{", "comment", "solid", "solid", "{", "}", "}"},
                     {1, 2, 3, 3, 4, 5, 6, 7},
                     3,
                     "\"comment\" \"solid\" stands before the first brush, and the room would be "
                     "cut from that word on"}),
    testing::ParamName());

TEST(MapCheck, LaterBrushesMayStandInOtherBlocks) {
  const Items map = {"world", "{",     "id", "1", "solid", "{", "}", "hidden",
                     "{",     "solid", "{",  "}", "}",     "}"};
  const std::vector<std::size_t> lines = {1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  EXPECT_FALSE(FindMapTextFault(map, lines, MapTextLayout::Map, 14));
}

TEST(RoomBodyCheck, AHeaderItemWithAControlByteIsUnreadable) {
  testing::TempFolder folder;
  const auto file = folder / "binary.rgr";
  std::string text = RoomFileText(kSoundRows);
  text.replace(text.find("Room"), 4, std::string("Ro\x01m", 4));
  testing::WriteFile(file, text);
  try {
    ReadRoomHeader(file);
    FAIL() << "the header was read";
  } catch (const MapFormatError& error) {
    EXPECT_EQ(error.Line(), 1u);
    EXPECT_NE(std::string(error.what()).find("control byte 1"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace vendrel
