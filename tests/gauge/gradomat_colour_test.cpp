#include <gtest/gtest.h>

#include <ostream>

#include "gradomat.h"
#include "param_name.h"

namespace vendrel {
namespace {

struct ColourCase {
  qint32 code;
  int red, green, blue;
};

void PrintTo(const ColourCase& colour, std::ostream* out) { *out << colour.code; }

class GradomatColourCode : public ::testing::TestWithParam<ColourCase> {};

TEST_P(GradomatColourCode, SplitsIntoBytesWithRedLowest) {
  const ColourCase& colour = GetParam();
  EXPECT_EQ(Gradomat::GETRed(colour.code), colour.red);
  EXPECT_EQ(Gradomat::GETGreen(colour.code), colour.green);
  EXPECT_EQ(Gradomat::GETBlue(colour.code), colour.blue);
  EXPECT_EQ(Gradomat::ColourFromCode(colour.code), QColor(colour.red, colour.green, colour.blue));
}

INSTANTIATE_TEST_SUITE_P(Codes, GradomatColourCode,
                         ::testing::Values(ColourCase{0, 0, 0, 0}, ColourCase{255, 255, 0, 0},
                                           ColourCase{65535, 255, 255, 0},
                                           ColourCase{16777215, 255, 255, 255},
                                           ColourCase{0x123456, 0x56, 0x34, 0x12},
                                           // -1 is no colour at all.
                                           ColourCase{-1, 0, 0, 0},
                                           // Beyond three bytes only the low three count.
                                           ColourCase{0x7F00FF80, 0x80, 0xFF, 0x00}),
                         [](const ::testing::TestParamInfo<ColourCase>& testCase) {
                           return "Code" + testing::NameFromText(std::to_string(testCase.param.code));
                         });

TEST(GradomatColourCode, ColoursBecomeCodesWithoutAlpha) {
  EXPECT_EQ(Gradomat::CodeFromColour(QColor(0x56, 0x34, 0x12)), 0x123456);
  EXPECT_EQ(Gradomat::CodeFromColour(QColor(255, 255, 0, 10)), 65535);
  EXPECT_EQ(Gradomat::CodeFromColour(QColor()), 0);
}

}  // namespace
}  // namespace vendrel
