#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "room_cells.h"

namespace vendrel::roomkit::testing {

// Where a player can go on foot, in the cells of a room: he stands in a cell with something
// to stand on below and 64 units clear above, steps up 24 units at most, drops any height,
// and climbs where he may (ladders, the shafts of lifts). One cell wide: a rough body, but
// one that finds what lies out of reach.
class WalkMap {
 public:
  // `matter`: cells a player cannot pass; `support`: cells he can stand on (matter and the
  // path of a moving platform); `climb`: cells he can climb in.
  WalkMap(const Cells& cells, std::vector<bool> matter, std::vector<bool> support,
          std::vector<bool> climb)
      : cells_(cells), matter_(std::move(matter)), support_(std::move(support)), climb_(std::move(climb)) {
    for (std::size_t index = 0; index < cells_.Count(); ++index) {
      if (!IsPlace(index)) continue;
      for (const std::size_t next : Moves(index)) {
        forward_[index].push_back(next);
        backward_[next].push_back(index);
      }
    }
  }

  bool Stands(std::size_t index) const {
    const auto [i, j, k] = cells_.Position(index);
    return k > 0 && support_[cells_.Index(i, j, k - 1)] && Clear(i, j, k, k + kBody);
  }

  // The place a thing standing at `origin` stands in: a standing cell in its column from 24
  // units below it to 8 above.
  std::optional<std::size_t> StandingAt(const Vec3& origin) const {
    for (double dz = -24; dz <= 8; dz += Cells::kSize) {
      const auto cell = cells_.CellOf({origin[0], origin[1], origin[2] + dz});
      if (cell && Stands(*cell)) return cell;
    }
    return std::nullopt;
  }

  // Every place reached from `from` on foot; `backwards`: every place from which one of
  // `from` is reached.
  std::vector<bool> Reach(const std::vector<std::size_t>& from, bool backwards) const {
    const auto& edges = backwards ? backward_ : forward_;
    std::vector<bool> reached(cells_.Count(), false);
    std::deque<std::size_t> open(from.begin(), from.end());
    for (const std::size_t index : from) reached[index] = true;
    while (!open.empty()) {
      const std::size_t index = open.front();
      open.pop_front();
      const auto found = edges.find(index);
      if (found == edges.end()) continue;
      for (const std::size_t next : found->second) {
        if (!reached[next]) {
          reached[next] = true;
          open.push_back(next);
        }
      }
    }
    return reached;
  }

 private:
  static constexpr int kBody = 7;  // cells above the feet a player fills: 64 units in all
  static constexpr int kStep = 3;  // cells a player steps up: 24 units

  bool Clear(int i, int j, int from, int to) const {
    if (from < 0 || to >= cells_.Layers()) return false;
    for (int k = from; k <= to; ++k) {
      if (matter_[cells_.Index(i, j, k)]) return false;
    }
    return true;
  }
  bool Climbable(int i, int j, int k) const {
    return cells_.Inside(i, j, k) && climb_[cells_.Index(i, j, k)] && !matter_[cells_.Index(i, j, k)];
  }
  bool IsPlace(std::size_t index) const {
    const auto [i, j, k] = cells_.Position(index);
    return Stands(index) || Climbable(i, j, k);
  }

  std::vector<std::size_t> Moves(std::size_t index) const {
    const auto [i, j, k] = cells_.Position(index);
    std::vector<std::size_t> next;
    for (const auto& [di, dj] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
      const int ni = i + di, nj = j + dj;
      if (!cells_.Inside(ni, nj, 0)) continue;
      // Up a step or down to the first floor below, with the body clear all the way.
      for (int kk = std::min(k + kStep, cells_.Layers() - 1); kk >= 0; --kk) {
        if (!Clear(ni, nj, kk, std::max(k, kk) + kBody)) {
          if (kk < k) break;
          continue;
        }
        if (Stands(cells_.Index(ni, nj, kk))) {
          next.push_back(cells_.Index(ni, nj, kk));
          if (kk <= k) break;
        }
      }
      for (int kk = k - kStep; kk <= k + kStep; ++kk) {
        if (Climbable(ni, nj, kk)) next.push_back(cells_.Index(ni, nj, kk));
      }
    }
    if (Climbable(i, j, k)) {
      for (const int kk : {k - 1, k + 1}) {
        if (Climbable(i, j, kk) || (cells_.Inside(i, j, kk) && Stands(cells_.Index(i, j, kk))))
          next.push_back(cells_.Index(i, j, kk));
      }
      // Letting go: down to the first floor below.
      for (int kk = k - 1; kk > 0 && !matter_[cells_.Index(i, j, kk)]; --kk) {
        if (Stands(cells_.Index(i, j, kk))) {
          next.push_back(cells_.Index(i, j, kk));
          break;
        }
      }
    }
    return next;
  }

  const Cells& cells_;
  std::vector<bool> matter_, support_, climb_;
  std::unordered_map<std::size_t, std::vector<std::size_t>> forward_, backward_;
};

}  // namespace vendrel::roomkit::testing
