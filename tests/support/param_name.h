#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace vendrel::testing {

// Names each case of a table after its `name` field, so ctest lists it readably.
struct ParamName {
  template <class Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return info.param.name;
  }
};

// A case name spelled from a value's text: letters and digits stay, a minus sign reads
// "Minus", a point "Point", anything else becomes an underscore; empty text reads "Empty".
inline std::string NameFromText(std::string_view text) {
  if (text.empty()) return "Empty";
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      name += c;
    } else if (c == '-') {
      name += "Minus";
    } else if (c == '.') {
      name += "Point";
    } else {
      name += '_';
    }
  }
  return name;
}

}  // namespace vendrel::testing
