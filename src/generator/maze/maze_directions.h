#pragma once

#include <string_view>
#include <vector>

#include "engine.h"
#include "maze_pieces.h"

namespace vendrel {

// How a cell of a maze line hangs on the tree: the position of the cell it is entered
// from (0 for the start cell) and the direction it lies in from there.
struct DirEntry {
  int from = 0;
  Direction direction = 0;
  bool operator==(const DirEntry&) const = default;
};

// `DirList`: one entry per cell, by position number from 1 in the order of the line's
// codes (position 1 is the start code). Grows as positions are fed.
class DirList {
 public:
  // Sets the entry of a position (0 or more).
  void FeedList(int pos, int from, Direction dir);
  // The entry of a position 1..Count(); throws std::out_of_range beyond.
  const DirEntry& At(int pos) const;
  // The highest position fed.
  int Count() const { return rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1; }

 private:
  std::vector<DirEntry> rows_;
};

// Walks a maze line in the order it was written and records every cell. A full line
// (odd length) gives the start direction in its first character; a body without it
// takes the direction from its start code. A line that cannot be walked (no start
// direction, a code that is not a piece, a three-way piece entered through its closed
// side) is reported through MapError as fatal.
DirList MapDirection(const Engine& engine, std::string_view mazeLine);

}  // namespace vendrel
