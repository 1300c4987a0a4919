#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vendrel {

// One maze cell as the room choice left it for placement.
struct PlannedCell {
  std::string pieceCode;
  int from = 0;          // the cell it is entered from (cells count from 1); 0 for the first
  int direction = 0;     // direction number 1..4 in which it lies from that cell
  int typeCode = 0;
  int turns = 0;         // quarter turns of its room
  std::size_t room = 0;  // row of the room table
};

// A level as chosen: its maze line, the rooms drawn for it, and every cell in path order.
struct LevelPlan {
  std::string mazeLine;
  int roomsDrawn = 0;
  std::vector<PlannedCell> cells;  // cells[k - 1] is cell k

  int CellCount() const { return static_cast<int>(cells.size()); }
  const PlannedCell& Cell(int k) const { return cells[static_cast<std::size_t>(k - 1)]; }
};

}  // namespace vendrel
