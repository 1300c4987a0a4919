#pragma once

#include <cstddef>
#include <vector>

namespace vendrel {

// Which weapon records (by position in the weapon file) the current level has handed out.
class WeaponsGiven {
 public:
  void Clear() { given_.clear(); }
  bool Has(std::size_t record) const { return record < given_.size() && given_[record]; }
  void Mark(std::size_t record) {
    if (record >= given_.size()) given_.resize(record + 1);
    given_[record] = true;
  }

 private:
  std::vector<bool> given_;
};

}  // namespace vendrel
