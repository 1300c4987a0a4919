#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "room_blocks.h"

namespace vendrel::roomkit::testing {

// The room's space in cells of 8 units over the footprint, from its lowest to its
// highest brush.
class Cells {
 public:
  static constexpr double kSize = 8;
  static constexpr int kAcross = 128;  // 1024 / 8

  Cells(double zMin, double zMax)
      : zMin_(zMin), layers_(static_cast<int>(std::ceil((zMax - zMin) / kSize))) {}

  int Layers() const { return layers_; }
  std::size_t Count() const { return static_cast<std::size_t>(kAcross) * kAcross * layers_; }
  std::size_t Index(int i, int j, int k) const {
    return (static_cast<std::size_t>(k) * kAcross + j) * kAcross + i;
  }
  Vec3 Center(int i, int j, int k) const {
    return {-512 + kSize * i + kSize / 2, -512 + kSize * j + kSize / 2,
            zMin_ + kSize * k + kSize / 2};
  }
  std::optional<std::size_t> CellOf(const Vec3& p) const {
    const int i = static_cast<int>(std::floor((p[0] + 512) / kSize));
    const int j = static_cast<int>(std::floor((p[1] + 512) / kSize));
    const int k = static_cast<int>(std::floor((p[2] - zMin_) / kSize));
    if (!Inside(i, j, k)) return std::nullopt;
    return Index(i, j, k);
  }
  // Every cell whose centre lies in the box.
  template <typename Visit>
  void ForEachIn(double x0, double y0, double z0, double x1, double y1, double z1,
                 Visit visit) const {
    const auto first = [](double from, double origin) {
      return std::max(0, static_cast<int>(std::floor((from - origin) / kSize)));
    };
    const auto last = [](double to, double origin, int count) {
      return std::min(count - 1, static_cast<int>(std::ceil((to - origin) / kSize)));
    };
    for (int k = first(z0, zMin_); k <= last(z1, zMin_, layers_); ++k) {
      for (int j = first(y0, -512); j <= last(y1, -512, kAcross); ++j) {
        for (int i = first(x0, -512); i <= last(x1, -512, kAcross); ++i) {
          const Vec3 c = Center(i, j, k);
          if (c[0] > x0 && c[0] < x1 && c[1] > y0 && c[1] < y1 && c[2] > z0 && c[2] < z1) {
            visit(Index(i, j, k), c);
          }
        }
      }
    }
  }
  struct At {
    int i, j, k;
  };
  At Position(std::size_t index) const {
    return {static_cast<int>(index % kAcross), static_cast<int>(index / kAcross % kAcross),
            static_cast<int>(index / (static_cast<std::size_t>(kAcross) * kAcross))};
  }
  bool Inside(int i, int j, int k) const {
    return i >= 0 && j >= 0 && k >= 0 && i < kAcross && j < kAcross && k < layers_;
  }
  bool OnBoundary(std::size_t index) const {
    const auto [i, j, k] = Position(index);
    return i == 0 || j == 0 || k == 0 || i == kAcross - 1 || j == kAcross - 1 || k == layers_ - 1;
  }
  std::vector<std::size_t> Neighbours(std::size_t index) const {
    const auto [i, j, k] = Position(index);
    std::vector<std::size_t> next;
    for (const auto& [di, dj, dk] : {At{-1, 0, 0}, At{1, 0, 0}, At{0, -1, 0}, At{0, 1, 0},
                                     At{0, 0, -1}, At{0, 0, 1}}) {
      if (Inside(i + di, j + dj, k + dk)) next.push_back(Index(i + di, j + dj, k + dk));
    }
    return next;
  }

 private:
  double zMin_;
  int layers_;
};

}  // namespace vendrel::roomkit::testing
