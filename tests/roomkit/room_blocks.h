#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "number_text.h"
#include "room_text.h"

namespace vendrel::roomkit::testing {

// A room file body read back into its blocks, to check what the kit wrote.
struct Block {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
  std::vector<Block> children;

  std::optional<std::string> Key(std::string_view key) const {
    for (const auto& [k, v] : keys) {
      if (k == key) return v;
    }
    return std::nullopt;
  }
  std::string ClassName() const { return Key("classname").value_or(""); }
};

struct RoomBlocks {
  std::vector<Block> worldSolids;
  std::vector<Block> entities;
};

// Reads the block that starts after its "{" at `i`, up to its "}".
inline Block ReadBlock(const Items& items, std::size_t& i, std::string name) {
  Block block{std::move(name), {}, {}};
  while (i < items.size() && items[i] != "}") {
    if (i + 1 < items.size() && items[i + 1] == "{") {
      std::string childName = items[i];
      i += 2;
      block.children.push_back(ReadBlock(items, i, std::move(childName)));
    } else {
      block.keys.emplace_back(items[i], i + 1 < items.size() ? items[i + 1] : "");
      i += 2;
    }
  }
  ++i;
  return block;
}

inline RoomBlocks ReadBlocks(const Items& body) {
  RoomBlocks room;
  std::size_t i = 0;
  while (i < body.size() && body[i] != kWorldEndMarker) {
    i += 2;  // "solid" "{"
    room.worldSolids.push_back(ReadBlock(body, i, "solid"));
  }
  ++i;
  while (i < body.size()) {
    i += 2;  // "entity" "{"
    room.entities.push_back(ReadBlock(body, i, "entity"));
  }
  return room;
}

using Vec3 = std::array<double, 3>;

inline Vec3 Minus(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

inline Vec3 Point(std::string_view text) {
  const FiveFields f = SSplit(text);
  return {NumberOrThrow(f.f1), NumberOrThrow(f.f2), NumberOrThrow(f.f3)};
}

// A convex brush as the half-spaces of its sides; a point is inside when it lies behind
// every side's plane (the editor winds the three points so the normal points out).
struct Brush {
  struct Side {
    Vec3 point, outward;
  };
  std::vector<Side> sides;
  std::vector<Vec3> points;

  explicit Brush(const Block& solid) {
    for (const Block& side : solid.children) {
      if (side.name != "side") continue;
      const std::string plane = side.Key("plane").value_or("");
      const ThreePartViews parts = CSplitViews(plane);
      const Vec3 p0 = Point(parts.first), p1 = Point(parts.second), p2 = Point(parts.third);
      sides.push_back({p1, Cross(Minus(p0, p1), Minus(p2, p1))});
      points.insert(points.end(), {p0, p1, p2});
    }
  }
  bool Contains(const Vec3& p) const {
    for (const Side& side : sides) {
      if (Dot(side.outward, Minus(p, side.point)) >= 0) return false;
    }
    return !sides.empty();
  }
};

}  // namespace vendrel::roomkit::testing
