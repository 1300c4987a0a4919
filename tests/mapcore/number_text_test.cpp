#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include <clocale>
#include <string>

#include "param_name.h"

namespace vendrel {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

class FormatNumberCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberCases, PrintsShortestPointForm) {
  EXPECT_EQ(FormatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberRule, FormatNumberCases,
    ::testing::Values(FormatCase{128, "128"}, FormatCase{-64, "-64"}, FormatCase{0, "0"},
                      FormatCase{-0.0, "0"}, FormatCase{0.25, "0.25"}, FormatCase{-0.5, "-0.5"},
                      FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3.0, "0.333333333333333"},
                      FormatCase{123456789.125, "123456789.125"},
                      FormatCase{1e-5, "0.00001"}, FormatCase{-1.5e-5, "-0.000015"},
                      FormatCase{1e15, "1000000000000000"},
                      FormatCase{999999999999999.0, "999999999999999"},
                      FormatCase{1e-6, "1E-06"}, FormatCase{2.5e16, "2.5E+16"},
                      FormatCase{16384.000000000002, "16384"}),
    [](const ::testing::TestParamInfo<FormatCase>& testCase) {
      return "As" + testing::NameFromText(testCase.param.text) + "_" + std::to_string(testCase.index);
    });

TEST(NumberText, SinglesShowSevenSignificantDigits) {
  EXPECT_EQ(FormatSingle(0.1F), "0.1");
  EXPECT_EQ(FormatSingle(0.9999999403953552F), "0.9999999");
  EXPECT_EQ(FormatSingle(1.0F / 3.0F), "0.3333333");
  EXPECT_EQ(FormatSingle(0.25F), "0.25");
  EXPECT_EQ(FormatSingle(0.0F), "0");
}

TEST(NumberText, ParsesOnlyWholeNumberText) {
  EXPECT_EQ(ParseNumber("-128"), -128);
  EXPECT_EQ(ParseNumber("0.25"), 0.25);
  EXPECT_EQ(ParseNumber("064"), 64);
  EXPECT_EQ(ParseNumber("+3"), 3);
  for (const char* bad : {"", "-", "abc", "1,5", "1 2", "12a", "inf", "nan"}) {
    EXPECT_FALSE(ParseNumber(bad)) << bad;
  }
  EXPECT_THROW(NumberOrThrow("wall"), NumberTextError);
}

TEST(NumberText, DecimalsReadAsTheStandardReaderReadsThem) {
  // Short decimals take a quicker way than the standard reader; they must come out the
  // same to the last bit, signed zeros included.
  std::mt19937_64 draws(20261211);
  for (int n = 0; n < 200000; ++n) {
    const int digits = static_cast<int>(draws() % 17) + 1;
    std::string text = draws() % 2 ? "-" : "";
    const int pointAt = static_cast<int>(draws() % static_cast<unsigned>(digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == pointAt && d > 0) text += '.';
      text += static_cast<char>('0' + draws() % 10);
    }
    double expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    const std::optional<double> parsed = ParseNumber(text);
    ASSERT_TRUE(parsed) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*parsed), std::bit_cast<std::uint64_t>(expected)) << text;
  }
  for (const char* other : {"1.", ".5", "-.5", "1.2.3", "1e5", "0.1e-3"}) {
    double expected = 0;
    const char* last = other + std::strlen(other);
    const auto [end, error] = std::from_chars(other, last, expected);
    const bool standard = error == std::errc() && end == last;
    EXPECT_EQ(ParseNumber(other).has_value(), standard) << other;
    if (standard) {
      EXPECT_EQ(*ParseNumber(other), expected) << other;
    }
  }
}

TEST(NumberText, APlainWholePointReadsAsTheGeneralReaderReadsIt) {
  for (const char* plain : {"1 2 3", "+5 -0 -7 9", "064 -128 16384", "+-5 0 0",
                            "999999999999999 0 -999999999999999"}) {
    const auto point = PlainWholePoint(plain);
    ASSERT_TRUE(point) << plain;
    const FiveFieldViews f = SSplitViews(plain);
    EXPECT_EQ(*point, (std::array<double, 3>{*ParseNumber(f.f1), *ParseNumber(f.f2),
                                             *ParseNumber(f.f3)}))
        << plain;
    EXPECT_EQ(std::signbit((*point)[1]), std::signbit(*ParseNumber(f.f2))) << plain;
  }
  for (const char* other : {"", "1 2", "1.5 2 3", "1  2 3", "1 2 3x", "1e3 0 0", "- 0 0",
                            "1234567890123456 0 0", " 1 2 3",
                            "9999999999999999999999999 0 0"}) {
    EXPECT_FALSE(PlainWholePoint(other)) << other;
  }
}

// Map text keeps its point whatever the user's decimal symbol is.
TEST(NumberText, CommaLocaleLeavesMapTextAlone) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/setup makes this locale";
  ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
  const double moved = NumberOrThrow("12.5") + 1;
  const std::string text = FormatNumber(moved);
  const std::string small = FormatNumber(-0.000125);
  const std::string large = FormatNumber(2.5e16);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(text, "13.5");
  EXPECT_EQ(small, "-0.000125");
  EXPECT_EQ(large, "2.5E+16");
}

TEST(NumberText, SplittersFollowTheirFieldRules) {
  const ThreePartViews plane = CSplitViews("(0 0 0) (0 64 0) (64 64 0)");
  EXPECT_EQ(plane.first, "0 0 0");
  EXPECT_EQ(plane.second, "0 64 0");
  EXPECT_EQ(plane.third, "64 64 0");
  const ThreePartViews tight = CSplitViews("(1 2 3)(4 5 6)(7 8 9) (junk)");
  EXPECT_EQ(tight.third, "7 8 9");
  const ThreePartViews partial = CSplitViews("(1 2 3)");
  EXPECT_EQ(partial.first, "1 2 3");
  EXPECT_EQ(partial.second, "");
  EXPECT_EQ(partial.third, "");

  const FiveFields doubled = SSplit("1  2");
  EXPECT_EQ(doubled.f1, "1");
  EXPECT_EQ(doubled.f2, "");
  EXPECT_EQ(doubled.f3, "2");
  const FiveFields many = SSplit("a b c d e f g");
  EXPECT_EQ(many.f5, "e");
  const FiveFields leading = SSplit(" x\ty");
  EXPECT_EQ(leading.f1, "");
  EXPECT_EQ(leading.f2, "x\ty");

  EXPECT_EQ(PointToLocale("-1.5", ","), "-1,5");
  EXPECT_EQ(PointToLocale("2.5E+16", "\xd9\xab"), "2\xd9\xab" "5E+16") << "a symbol of two bytes";
}

TEST(NumberText, PosAndNegKeepUntouchedText) {
  EXPECT_EQ(Pos("-12.5"), "12.5");
  EXPECT_EQ(Neg("12.5"), "-12.5");
  EXPECT_EQ(Neg("0"), "0");
  EXPECT_EQ(Pos("3"), "3");
  EXPECT_EQ(Pos("1.50"), "1.50");
  EXPECT_EQ(Neg("-064"), "-064");
  EXPECT_EQ(Neg("064"), "-64");
  EXPECT_THROW(Pos(""), NumberTextError);
}

}  // namespace
}  // namespace vendrel
