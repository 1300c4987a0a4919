#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "level_map.h"
#include "vec3.h"

namespace vendrel::preview {

// The solid space of a level's world brushes on a grid of cubic cells, kept only in
// chunks over the brushes: a column of chunks runs from its lowest brush to its highest,
// so every chunk left out lies above or below everything and belongs to the void. Its
// size follows the brushes, not the level's bounding box.
class SolidGrid {
 public:
  // Flat chunks: levels are wide and low, and a column's chunks should hug its brushes.
  static constexpr int kChunkSide = 16;
  static constexpr int kChunkHeight = 2;
  static constexpr int kChunkVolume = kChunkSide * kChunkSide * kChunkHeight;
  static constexpr std::size_t kMaxCells = std::size_t{1} << 25;

  struct Cell {
    int x = 0, y = 0, z = 0;
  };

  // Sound world brushes inside the world's bounds seal; `cellSize` grows when the map
  // would need more than kMaxCells cells.
  explicit SolidGrid(const std::vector<MapBrush>& brushes, double cellSize = 16);

  double CellSize() const { return cellSize_; }
  Cell CellOf(Vec3 point) const;
  Vec3 CentreOf(Cell cell) const;
  // Cells of a chunk left out count as open void.
  bool Solid(Cell cell) const;
  bool Stored(Cell cell) const;

  // Floods the open cells from the void. Afterwards Reached tells which cells the void
  // gets to, and PathFromVoid the way it took, as cell centres from outside to `cell`.
  void FloodFromVoid();
  bool Reached(Cell cell) const;
  std::vector<Vec3> PathFromVoid(Cell cell) const;

 private:
  struct Chunk {
    int cx = 0, cy = 0, cz = 0;
    int neighbours[6] = {-1, -1, -1, -1, -1, -1};
    std::vector<std::uint8_t> cells = std::vector<std::uint8_t>(kChunkVolume, 0);
  };
  struct Where {
    int chunk = -1;
    int local = 0;
  };

  using Columns = std::unordered_map<std::uint64_t, std::pair<int, int>>;  // lowest and highest chunk

  static std::uint64_t Key(int cx, int cy, int cz);
  static bool Seals(const MapBrush& brush);
  Columns ColumnsOf(const std::vector<MapBrush>& brushes, std::size_t& chunks) const;
  Where Locate(Cell cell) const;
  void Mark(const MapBrush& brush);
  Cell CellAt(int chunk, int local) const;

  double cellSize_;
  std::vector<Chunk> chunks_;
  std::unordered_map<std::uint64_t, int> index_;
  bool flooded_ = false;
};

}  // namespace vendrel::preview
