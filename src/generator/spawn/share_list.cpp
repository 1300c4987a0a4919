#include "share_list.h"

namespace vendrel {

void ShareList::Clear() {
  entries_.clear();
  total_ = 0;
}

void ShareList::Add(std::string_view name, double weight) {
  if (name.empty()) return;
  entries_.push_back({std::string(name), weight});
  total_ += weight;
}

void ShareList::AddNoSpawnShare(double weight) {
  entries_.push_back({std::string(), weight});
  total_ += weight;
}

std::string ShareList::Get(RandomSource& random) const {
  random.Randa();
  // Nothing to share out: dividing by the total would give no sensible draw.
  if (!(total_ > 0)) return {};
  std::vector<double> runningShares;
  runningShares.reserve(entries_.size());
  double sum = 0;
  for (const Entry& entry : entries_) {
    sum += entry.weight;
    runningShares.push_back(sum / total_);
  }
  random.Randa();
  const double r = random.Draw();
  for (std::size_t k = 0; k < entries_.size(); ++k) {
    if (runningShares[k] > r) return entries_[k].name;
  }
  return {};
}

}  // namespace vendrel
