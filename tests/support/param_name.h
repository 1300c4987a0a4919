#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vendrel::testing {

// Names each case of a table after its `name` field, so ctest lists it readably.
struct ParamName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return info.param.name;
  }
};

}  // namespace vendrel::testing
