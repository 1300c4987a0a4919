// Every byte a level row cannot hold is found wherever it stands in an item, and no other
// byte is taken for one.
#include "control_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrel {
namespace {

TEST(ItemByteProblem, FindsEachBadByteAtEveryPlaceAndNoOther) {
  // 19 bytes: two blocks of eight and a tail of three.
  const std::string plain = "(0 64 -128) ABCDxyz";
  ASSERT_TRUE(ItemByteProblem(plain).empty());
  for (int byte = 0; byte < 256; ++byte) {
    const bool bad = byte < 32 || byte == 127 || byte == '"';
    for (std::size_t at = 0; at < plain.size(); ++at) {
      std::string item = plain;
      item[at] = static_cast<char>(byte);
      const std::string problem = ItemByteProblem(item);
      ASSERT_EQ(problem.empty(), !bad) << "byte " << byte << " at " << at;
      if (bad) {
        EXPECT_EQ(problem, byte == '"' ? DoubleQuoteProblem(item) : ControlByteProblem(item));
      }
    }
  }
}

TEST(ItemByteProblem, NamesTheControlByteBeforeAQuote) {
  EXPECT_EQ(ItemByteProblem("a\"b\x01"),
            "an item holds the control byte 1 (a binary file, or line ends other than CR LF)");
  EXPECT_EQ(ItemByteProblem("say \"hi\""),
            "an item holds a double quote, which would end its quoting in a level");
}

}  // namespace
}  // namespace vendrel
