#include "decimal_floor.h"

#include <gtest/gtest.h>

#include "number_text.h"
#include "param_name.h"

namespace vendrel {
namespace {

struct FloorCase {
  double value;
  std::string floored;
};

class FloorTable : public ::testing::TestWithParam<FloorCase> {};

TEST_P(FloorTable, CutsToThreeDecimalsDownwards) {
  EXPECT_EQ(FloorToThousandths(GetParam().value), GetParam().floored);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloorTable,
    ::testing::Values(FloorCase{0.3, "0.3"}, FloorCase{-1.2, "-1.2"}, FloorCase{0.1 + 0.2, "0.3"},
                      FloorCase{-0.1 - 1.1, "-1.2"}, FloorCase{1.23456, "1.234"},
                      FloorCase{-1.23456, "-1.235"}, FloorCase{255.9999, "255.999"},
                      FloorCase{-256, "-256"}, FloorCase{512, "512"}, FloorCase{0, "0"},
                      FloorCase{0.0001, "0"}, FloorCase{-0.0001, "-0.001"}, FloorCase{1e-12, "0"},
                      FloorCase{-1e-12, "-0.001"}, FloorCase{123456789.0125, "123456789.012"},
                      FloorCase{-99999999999, "-99999999999"}, FloorCase{123456789012, "123456789012"},
                      FloorCase{999999999999999, "999999999999999"}),
    [](const ::testing::TestParamInfo<FloorCase>& testCase) {
      return "To" + testing::NameFromText(testCase.param.floored) + "_" + std::to_string(testCase.index);
    });

TEST(FloorToThousandths, EveryValueWithThreeDecimalsStaysExact) {
  for (int k = -20000; k <= 20000; ++k) {
    const double computed = k * 0.001;  // rarely the nearest double to k / 1000
    ASSERT_EQ(FloorToThousandths(computed), FormatNumber(k / 1000.0)) << k;
  }
}

}  // namespace
}  // namespace vendrel
