#include "name_letters.h"

#include <gtest/gtest.h>

#include "param_name.h"

#include <algorithm>
#include <unordered_set>

namespace vendrel {
namespace {

struct LetterCase {
  long long number;
  std::string name;
};

class NtNTable : public ::testing::TestWithParam<LetterCase> {};

TEST_P(NtNTable, WritesTheCounterInLetters) { EXPECT_EQ(NtN(GetParam().number), GetParam().name); }

INSTANTIATE_TEST_SUITE_P(Counter, NtNTable,
                         ::testing::Values(LetterCase{1, "a"}, LetterCase{2, "b"},
                                           LetterCase{26, "z"}, LetterCase{27, "aa"},
                                           LetterCase{28, "ab"}, LetterCase{51, "ay"},
                                           LetterCase{52, "az"}, LetterCase{53, "ba"},
                                           LetterCase{702, "zz"}, LetterCase{703, "aaa"},
                                           LetterCase{32768, "avlh"}, LetterCase{0, ""},
                                           LetterCase{-3, ""}),
                         [](const ::testing::TestParamInfo<LetterCase>& testCase) {
                           return "Number" + testing::NameFromText(std::to_string(testCase.param.number));
                         });

TEST(NtN, EveryCounterValueGetsANameOfItsOwn) {
  std::unordered_set<std::string> names;
  for (long long number = 1; number <= 100000; ++number) {
    const std::string name = NtN(number);
    ASSERT_FALSE(name.empty());
    ASSERT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        << name;
    ASSERT_TRUE(names.insert(name).second) << number << " repeats " << name;
  }
}

}  // namespace
}  // namespace vendrel
