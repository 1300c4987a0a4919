#include "entity_census.h"

#include <string_view>

namespace vendrel {

std::map<std::string, int> CountEntityClasses(const Items& entityRows) {
  constexpr std::string_view kClassRow = "\"classname\" \"";
  std::map<std::string, int> counts;
  int depth = 0;
  for (const std::string& row : entityRows) {
    if (row == "{") {
      ++depth;
    } else if (row == "}") {
      --depth;
    } else if (depth == 1 && row.starts_with(kClassRow) && row.size() > kClassRow.size()) {
      ++counts[row.substr(kClassRow.size(), row.size() - kClassRow.size() - 1)];
    }
  }
  return counts;
}

}  // namespace vendrel
