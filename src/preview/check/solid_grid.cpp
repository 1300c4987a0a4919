#include "solid_grid.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "world_bounds.h"

namespace vendrel::preview {
namespace {

constexpr std::uint8_t kOpen = 0;
constexpr std::uint8_t kSolid = 0xFF;
constexpr std::uint8_t kFromNeighbour = 0x40;  // low bits: the direction of the parent
constexpr std::uint8_t kFromVoid = 0x80;       // low bits: the direction of the void

// +x, -x, +y, -y, +z, -z
constexpr int kStep[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
constexpr int Opposite(int direction) { return direction ^ 1; }

constexpr int kShift = 4;  // of x and y
constexpr int kShiftZ = 1;
constexpr int kMask = SolidGrid::kChunkSide - 1;
constexpr int kMaskZ = SolidGrid::kChunkHeight - 1;
constexpr int kVolumeShift = 2 * kShift + kShiftZ;
static_assert(1 << kShift == SolidGrid::kChunkSide && 1 << kShiftZ == SolidGrid::kChunkHeight);

int LocalIndex(int lx, int ly, int lz) { return lx | (ly << kShift) | (lz << (2 * kShift)); }

// The cells whose centres lie within [low, high] along one axis; a brush thinner than a
// cell takes the one cell its middle falls in, so a thin wall still seals.
struct AxisCells {
  int first = 0, last = -1;
  std::optional<double> fixed;  // the coordinate tested for a thin brush
};

AxisCells CellsAlong(double low, double high, double size) {
  AxisCells cells;
  if (high - low < size) {
    const double middle = (low + high) / 2;
    cells.first = cells.last = static_cast<int>(std::floor(middle / size));
    cells.fixed = middle;
  } else {
    cells.first = static_cast<int>(std::ceil(low / size - 0.5 - 1e-9));
    cells.last = static_cast<int>(std::floor(high / size - 0.5 + 1e-9));
  }
  return cells;
}

}  // namespace

std::uint64_t SolidGrid::Key(int cx, int cy, int cz) {
  constexpr std::uint64_t kBias = 1 << 20;
  return ((static_cast<std::uint64_t>(cx) + kBias) << 42) | ((static_cast<std::uint64_t>(cy) + kBias) << 21) |
         (static_cast<std::uint64_t>(cz) + kBias);
}

bool SolidGrid::Seals(const MapBrush& brush) {
  const BrushHull& hull = brush.hull;
  return brush.world && brush.planeProblem.empty() && hull.HasSolid() && !BadPos(hull.low.x, hull.low.y, hull.low.z) &&
         !BadPos(hull.high.x, hull.high.y, hull.high.z);
}

SolidGrid::Columns SolidGrid::ColumnsOf(const std::vector<MapBrush>& brushes, std::size_t& chunks) const {
  Columns columns;
  for (const MapBrush& brush : brushes) {
    if (!Seals(brush)) continue;
    const Cell low = CellOf(brush.hull.low);
    const Cell high = CellOf(brush.hull.high);
    for (int cx = low.x >> kShift; cx <= high.x >> kShift; ++cx) {
      for (int cy = low.y >> kShift; cy <= high.y >> kShift; ++cy) {
        auto [column, fresh] = columns.try_emplace(Key(cx, cy, 0), low.z >> kShiftZ, high.z >> kShiftZ);
        if (!fresh) {
          column->second.first = std::min(column->second.first, low.z >> kShiftZ);
          column->second.second = std::max(column->second.second, high.z >> kShiftZ);
        }
      }
    }
  }
  chunks = 0;
  for (const auto& entry : columns) chunks += static_cast<std::size_t>(entry.second.second - entry.second.first + 1);
  return columns;
}

SolidGrid::SolidGrid(const std::vector<MapBrush>& brushes, double cellSize) : cellSize_(cellSize) {
  std::size_t chunkCount = 0;
  Columns columns = ColumnsOf(brushes, chunkCount);
  // A map that fills the world, such as one sealed in a box around everything, would need
  // gigabytes of fine cells: coarser cells keep its memory bounded, and a brush thinner
  // than a cell still seals.
  while (chunkCount * kChunkVolume > kMaxCells) {
    cellSize_ *= 2;
    columns = ColumnsOf(brushes, chunkCount);
  }
  constexpr std::uint64_t kBias = 1 << 20;
  for (const auto& [key, range] : columns) {
    const int cx = static_cast<int>((key >> 42) - kBias);
    const int cy = static_cast<int>(((key >> 21) & ((1u << 21) - 1)) - kBias);
    for (int cz = range.first; cz <= range.second; ++cz) {
      index_.emplace(Key(cx, cy, cz), static_cast<int>(chunks_.size()));
      Chunk& chunk = chunks_.emplace_back();
      chunk.cx = cx;
      chunk.cy = cy;
      chunk.cz = cz;
    }
  }
  for (Chunk& chunk : chunks_) {
    for (int d = 0; d < 6; ++d) {
      const auto found = index_.find(Key(chunk.cx + kStep[d][0], chunk.cy + kStep[d][1], chunk.cz + kStep[d][2]));
      chunk.neighbours[d] = found == index_.end() ? -1 : found->second;
    }
  }
  for (const MapBrush& brush : brushes) {
    if (Seals(brush)) Mark(brush);
  }
}

SolidGrid::Cell SolidGrid::CellOf(Vec3 point) const {
  return {static_cast<int>(std::floor(point.x / cellSize_)), static_cast<int>(std::floor(point.y / cellSize_)),
          static_cast<int>(std::floor(point.z / cellSize_))};
}

Vec3 SolidGrid::CentreOf(Cell cell) const {
  return {(cell.x + 0.5) * cellSize_, (cell.y + 0.5) * cellSize_, (cell.z + 0.5) * cellSize_};
}

SolidGrid::Where SolidGrid::Locate(Cell cell) const {
  const auto found = index_.find(Key(cell.x >> kShift, cell.y >> kShift, cell.z >> kShiftZ));
  if (found == index_.end()) return {};
  return {found->second, LocalIndex(cell.x & kMask, cell.y & kMask, cell.z & kMaskZ)};
}

SolidGrid::Cell SolidGrid::CellAt(int chunk, int local) const {
  const Chunk& c = chunks_[static_cast<std::size_t>(chunk)];
  return {c.cx * kChunkSide + (local & kMask), c.cy * kChunkSide + ((local >> kShift) & kMask),
          c.cz * kChunkHeight + (local >> (2 * kShift))};
}

bool SolidGrid::Stored(Cell cell) const { return Locate(cell).chunk >= 0; }

bool SolidGrid::Solid(Cell cell) const {
  const Where where = Locate(cell);
  return where.chunk >= 0 && chunks_[static_cast<std::size_t>(where.chunk)].cells[static_cast<std::size_t>(where.local)] == kSolid;
}

void SolidGrid::Mark(const MapBrush& brush) {
  const AxisCells xs = CellsAlong(brush.hull.low.x, brush.hull.high.x, cellSize_);
  const AxisCells ys = CellsAlong(brush.hull.low.y, brush.hull.high.y, cellSize_);
  const AxisCells zs = CellsAlong(brush.hull.low.z, brush.hull.high.z, cellSize_);
  for (int z = zs.first; z <= zs.last; ++z) {
    for (int y = ys.first; y <= ys.last; ++y) {
      for (int x = xs.first; x <= xs.last; ++x) {
        Vec3 point = CentreOf({x, y, z});
        if (xs.fixed) point.x = *xs.fixed;
        if (ys.fixed) point.y = *ys.fixed;
        if (zs.fixed) point.z = *zs.fixed;
        if (!brush.hull.Contains(point, 1e-3)) continue;
        const Where where = Locate({x, y, z});
        if (where.chunk >= 0) chunks_[static_cast<std::size_t>(where.chunk)].cells[static_cast<std::size_t>(where.local)] = kSolid;
      }
    }
  }
}

void SolidGrid::FloodFromVoid() {
  std::vector<std::uint32_t> queue;
  const auto pack = [](int chunk, int local) {
    return (static_cast<std::uint32_t>(chunk) << kVolumeShift) | static_cast<std::uint32_t>(local);
  };
  for (std::size_t c = 0; c < chunks_.size(); ++c) {
    Chunk& chunk = chunks_[c];
    for (int d = 0; d < 6; ++d) {
      if (chunk.neighbours[d] >= 0) continue;
      const int axis = d / 2;
      const int lowX = axis == 0 && d == 0 ? kMask : 0, highX = axis == 0 && d == 1 ? 0 : kMask;
      const int lowY = axis == 1 && d == 2 ? kMask : 0, highY = axis == 1 && d == 3 ? 0 : kMask;
      const int lowZ = axis == 2 && d == 4 ? kMaskZ : 0, highZ = axis == 2 && d == 5 ? 0 : kMaskZ;
      for (int lz = lowZ; lz <= highZ; ++lz) {
        for (int ly = lowY; ly <= highY; ++ly) {
          for (int lx = lowX; lx <= highX; ++lx) {
          const int local = LocalIndex(lx, ly, lz);
          std::uint8_t& state = chunk.cells[static_cast<std::size_t>(local)];
          if (state != kOpen) continue;
          state = static_cast<std::uint8_t>(kFromVoid | d);
          queue.push_back(pack(static_cast<int>(c), local));
          }
        }
      }
    }
  }
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const int chunkIndex = static_cast<int>(queue[next] >> kVolumeShift);
    const int local = static_cast<int>(queue[next] & (kChunkVolume - 1));
    const int lx = local & kMask, ly = (local >> kShift) & kMask, lz = local >> (2 * kShift);
    const Chunk& chunk = chunks_[static_cast<std::size_t>(chunkIndex)];
    for (int d = 0; d < 6; ++d) {
      int nx = lx + kStep[d][0], ny = ly + kStep[d][1], nz = lz + kStep[d][2];
      int target = chunkIndex;
      if (((nx | ny) & ~kMask) != 0 || (nz & ~kMaskZ) != 0) {
        target = chunk.neighbours[d];
        if (target < 0) continue;
        nx &= kMask;
        ny &= kMask;
        nz &= kMaskZ;
      }
      const int neighbourLocal = LocalIndex(nx, ny, nz);
      std::uint8_t& state = chunks_[static_cast<std::size_t>(target)].cells[static_cast<std::size_t>(neighbourLocal)];
      if (state != kOpen) continue;
      state = static_cast<std::uint8_t>(kFromNeighbour | Opposite(d));
      queue.push_back(pack(target, neighbourLocal));
    }
  }
  flooded_ = true;
}

bool SolidGrid::Reached(Cell cell) const {
  const Where where = Locate(cell);
  if (where.chunk < 0) return true;
  const std::uint8_t state = chunks_[static_cast<std::size_t>(where.chunk)].cells[static_cast<std::size_t>(where.local)];
  return flooded_ && state != kSolid && state != kOpen;
}

std::vector<Vec3> SolidGrid::PathFromVoid(Cell cell) const {
  std::vector<Vec3> path;
  Where where = Locate(cell);
  if (where.chunk < 0) return {CentreOf(cell)};
  for (;;) {
    const std::uint8_t state = chunks_[static_cast<std::size_t>(where.chunk)].cells[static_cast<std::size_t>(where.local)];
    if (state == kSolid || state == kOpen) return {};
    const int d = state & 7;
    path.push_back(CentreOf(cell));
    cell = {cell.x + kStep[d][0], cell.y + kStep[d][1], cell.z + kStep[d][2]};
    if ((state & kFromVoid) != 0) {
      path.push_back(CentreOf(cell));
      break;
    }
    where = Locate(cell);
  }
  std::reverse(path.begin(), path.end());
  // Only the corners matter to a reader.
  std::vector<Vec3> corners;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i > 0 && i + 1 < path.size()) {
      const Vec3 in = path[i] - path[i - 1];
      const Vec3 out = path[i + 1] - path[i];
      if (Dot(Cross(in, out), Cross(in, out)) < 1e-9) continue;
    }
    corners.push_back(path[i]);
  }
  return corners;
}

}  // namespace vendrel::preview
