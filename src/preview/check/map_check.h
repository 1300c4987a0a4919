#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "level_map.h"
#include "solid_grid.h"
#include "vec3.h"

namespace vendrel::preview {

// One fault the map compiler would stumble on, with the line of the file it is on.
struct Finding {
  std::size_t line = 0;
  std::string text;
};

struct LevelCheck {
  std::vector<Finding> findings;
  // From the void to the first entity it reaches; empty when the level is sealed.
  std::vector<Vec3> leakPath;

  bool Passed() const { return findings.empty(); }
};

// Every brush sound and inside the world, identifiers unique, entities inside the world,
// every output's target present, and the level sealed: no way from the void to an entity.
// `grid` is the level's solid space; the check floods it.
LevelCheck CheckLevel(const LevelMap& map, SolidGrid& grid);
LevelCheck CheckLevel(const LevelMap& map);

// Parts of the check on their own, for maps that are not meant to be sealed, such as a
// designer's room, whose doorways are open by design.
std::vector<Finding> CheckBrushes(const LevelMap& map);
// The engine finds targets by name or class, without regard to case; "!self" and the like
// name the entities of the moment, and a trailing "*" matches every name it begins.
std::vector<Finding> CheckOutputs(const LevelMap& map);

// "At line N: text", the way every parse error of this system reads.
std::string FindingText(const Finding& finding);

}  // namespace vendrel::preview
