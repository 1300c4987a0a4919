#include "item_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_format_error.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

std::vector<std::string> ItemsOf(std::string_view text) {
  ItemTokenizer tokenizer(text);
  std::vector<std::string> items;
  std::string_view item;
  while (tokenizer.Next(item)) items.emplace_back(item);
  return items;
}

struct TokenCase {
  const char* name;
  std::string text;
  std::vector<std::string> items;
};

class TokenizerCases : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerCases, SplitsIntoItems) { EXPECT_EQ(ItemsOf(GetParam().text), GetParam().items); }

INSTANTIATE_TEST_SUITE_P(
    DelimitedItemRule, TokenizerCases,
    ::testing::Values(
        TokenCase{"KeyValueLine", "\t\"origin\" \"0 0 64\"\r\n", {"origin", "0 0 64"}},
        TokenCase{"BraceAlone", "{\r\n}\r\n", {"{", "}"}},
        TokenCase{"CommaSplitsUnquoted", " 5 , abc \r\n", {"5", "abc"}},
        TokenCase{"CommaInsideQuotes", "\"door1,Open,,0,-1\"\r\n", {"door1,Open,,0,-1"}},
        TokenCase{"EmptyLineIsOneEmptyItem", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        TokenCase{"BlanksOnlyLine", "  \r\n", {""}},
        TokenCase{"TrailingCommaGivesEmptyItem", "a,\r\n", {"a", ""}},
        TokenCase{"CommaAfterQuoted", "\"a\" , b\r\n", {"a", "b"}},
        TokenCase{"LineFeedOnly", "x\ny\n", {"x", "y"}},
        TokenCase{"NoFinalLineEnd", "solid", {"solid"}},
        TokenCase{"UnclosedQuoteEndsAtLineEnd", "\"abc\r\nd\r\n", {"abc", "d"}},
        TokenCase{"QuotedEmpty", "\"key\" \"\"\r\n", {"key", ""}},
        TokenCase{"EmptyInput", "", {}},
        TokenCase{"ApostropheKept", "\"message\" \"Don't move\"\r\n", {"message", "Don't move"}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(ItemTokenizer, CountsLines) {
  ItemTokenizer tokenizer(std::string_view("a\r\n\"k\" \"v\"\r\n\r\nz\r\n"));
  std::string_view item;
  std::vector<std::size_t> lines;
  while (tokenizer.Next(item)) lines.push_back(tokenizer.Line());
  EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 2, 3, 4}));
}

TEST(ItemTokenizer, StreamsFilesAcrossChunkBoundaries) {
  testing::TempFolder folder;
  std::string text;
  std::vector<std::string> expected;
  // Long enough to cross the reader's chunk several times, with lines of many lengths.
  for (int i = 0; i < 200000; ++i) {
    const std::string key = "key" + std::to_string(i);
    const std::string value = std::string(static_cast<std::size_t>(i % 37), 'v') + "," + std::to_string(i);
    text += "\t\"" + key + "\" \"" + value + "\"\r\n";
    expected.push_back(key);
    expected.push_back(value);
  }
  const std::string longLine(3 << 20, 'L');
  text += longLine + "\r\n";
  expected.push_back(longLine);
  testing::WriteFile(folder / "big.txt", text);

  ItemTokenizer tokenizer(folder / "big.txt");
  std::string_view item;
  std::size_t index = 0;
  while (tokenizer.Next(item)) {
    ASSERT_LT(index, expected.size());
    ASSERT_EQ(item, expected[index]) << "item " << index;
    ++index;
  }
  EXPECT_EQ(index, expected.size());
  EXPECT_EQ(tokenizer.Line(), 200001u);
}

TEST(ItemTokenizer, MissingFileNamesTheFile) {
  testing::TempFolder folder;
  try {
    ItemTokenizer tokenizer(folder / "nothere.rgr");
    FAIL() << "no error";
  } catch (const MapFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("nothere.rgr"), std::string::npos);
  }
}

}  // namespace
}  // namespace vendrel
