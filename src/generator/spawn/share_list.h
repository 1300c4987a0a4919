#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "random_source.h"

namespace vendrel {

// A weighted list of names to draw one from: the spawn controller's alternatives and the
// item file's records.
class ShareList {
 public:
  struct Entry {
    std::string name;
    double weight = 0;
  };

  void Clear();
  // An entry without a name is not added.
  void Add(std::string_view name, double weight);
  // The no-spawn share of a spawn controller: drawing it places nothing.
  void AddNoSpawnShare(double weight);
  // A name drawn with probability weight / total; empty for the no-spawn share, an empty
  // list or weights that total 0 or less.
  std::string Get(RandomSource& random) const;

  const std::vector<Entry>& Entries() const { return entries_; }
  double Total() const { return total_; }

 private:
  std::vector<Entry> entries_;
  double total_ = 0;
};

}  // namespace vendrel
