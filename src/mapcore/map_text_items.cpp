#include "map_text_items.h"

#include "control_bytes.h"

namespace vendrel {

void MapTextItems::Add(std::string_view item, std::size_t line) {
  if (overfull_) {
    if (line != rowLine_ || badByteKept_) return;
    if (ItemByteProblem(item).empty()) return;
    badByteKept_ = true;
  } else {
    rowItems_ = line == rowLine_ ? rowItems_ + 1 : 1;
    rowLine_ = line;
    overfull_ = rowItems_ == 3;
  }
  items_.emplace_back(item);
  lines_.push_back(line);
}

}  // namespace vendrel
