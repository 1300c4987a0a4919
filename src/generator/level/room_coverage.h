#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "room_table.h"

namespace vendrel {

// How many rooms fit a room type entered through one of its own sides (before turning).
struct SideCoverage {
  int side = 0;  // connector direction 0..3
  std::size_t rooms = 0;
};

// One thing a run can ask the library for: a room of a type whose entry connector has a
// size. The game start is entered from nowhere, so its row has no size and one side
// count of every room of the type.
struct CoverageRow {
  int typeCode = 0;
  std::optional<int> size;
  std::vector<SideCoverage> sides;

  // Some turn of the maze finds no room here.
  bool Hole() const;
};

// What a run of one genre can ask for against the rooms that fit. Rooms blocked by room
// test mode and rooms the run leaves out fit nothing; they are counted apart.
struct LibraryCoverage {
  long long genre = 0;
  // The sizes the genre's connectors can require of the next room.
  std::vector<int> sizes;
  std::vector<CoverageRow> rows;
  std::size_t usableRooms = 0;
  std::size_t blockedRooms = 0;
  std::size_t unusableRooms = 0;  // of this genre, or of no readable genre

  std::vector<CoverageRow> Holes() const;
};

// The room type codes the maze pieces fill, 0..6.
inline constexpr int kPieceTypeCount = 7;

// "two way", "turn" ... for 0..6; empty for any other code.
std::string RoomTypeName(long long typeCode);

// The own sides (connector directions) through which a maze can enter a room of the
// type, found from every piece code and every rotation it can be given; empty for the
// game start and for codes no piece uses.
std::vector<int> EntrySides(int typeCode);

LibraryCoverage CoverageOf(const RoomTable& table, long long genre);

// One line a hole: which piece finds no room and the run's error that follows.
std::vector<std::string> CoverageWarnings(const LibraryCoverage& coverage);

// The coverage as a fixed-width table, for terminals and the room manager alike.
std::string CoverageTableText(const LibraryCoverage& coverage);

}  // namespace vendrel
