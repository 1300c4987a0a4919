#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "brush_hull.h"
#include "map_blocks.h"
#include "vec3.h"

namespace vendrel::preview {

struct MapBrush {
  std::optional<long long> id;
  std::size_t line = 0;
  std::vector<SidePlane> sides;
  std::vector<std::size_t> sideLines;
  std::vector<std::optional<long long>> sideIds;
  BrushHull hull;
  bool world = true;  // false for a brush of a brush entity, which seals nothing
  std::string planeProblem;  // a side whose plane text does not read as three points
  std::size_t planeProblemLine = 0;
};

struct MapOutput {
  std::string output;
  std::string target;
  std::size_t line = 0;
};

struct MapEntity {
  std::string className;
  std::string targetName;
  std::optional<long long> id;
  std::size_t line = 0;
  std::optional<Vec3> origin;
  std::vector<MapOutput> outputs;
  const MapBlock* block = nullptr;  // every key of it, for readers that need more
};

// A map file read back: its blocks, its brushes with their hulls and its entities.
struct LevelMap {
  LevelMap() = default;
  LevelMap(LevelMap&&) = default;
  LevelMap& operator=(LevelMap&&) = default;
  // Entities point into the blocks; a copy would point into the original.
  LevelMap(const LevelMap&) = delete;
  LevelMap& operator=(const LevelMap&) = delete;

  std::filesystem::path file;
  MapBlock root;
  std::vector<BlockProblem> structureProblems;
  std::vector<MapBrush> brushes;
  std::vector<MapEntity> entities;
  bool hasWorld = false;
};

// Reads a level or a designer's map. Throws MapFormatError when the file cannot be read.
LevelMap ReadLevelMap(const std::filesystem::path& file);
// The same from items already read, such as a room file's body.
LevelMap LevelMapFromItems(const LinedItems& items);

// "x y z" as three numbers.
std::optional<Vec3> ParseVector(const std::string& text);

}  // namespace vendrel::preview
