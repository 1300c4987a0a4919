#include "name_letters.h"

#include <algorithm>

namespace vendrel {

std::string NtN(long long number) {
  std::string name;
  while (number > 0) {
    --number;
    name.push_back(static_cast<char>('a' + number % 26));
    number /= 26;
  }
  std::reverse(name.begin(), name.end());
  return name;
}

}  // namespace vendrel
