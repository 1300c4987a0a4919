#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "room_text.h"

namespace vendrel {

// Gathers a map text's items and their lines for FindMapTextFault. A line that holds a
// third item is a fault whatever follows, so from there on nothing more is kept: a single
// long line of commas costs no more memory than its bytes. The check still reports the
// same fault, because the first item of that line with a bad byte is kept too.
class MapTextItems {
 public:
  MapTextItems(Items& items, std::vector<std::size_t>& lines) : items_(items), lines_(lines) {}

  void Add(std::string_view item, std::size_t line);

 private:
  Items& items_;
  std::vector<std::size_t>& lines_;
  std::size_t rowLine_ = 0;
  std::size_t rowItems_ = 0;
  bool overfull_ = false;
  bool badByteKept_ = false;
};

}  // namespace vendrel
