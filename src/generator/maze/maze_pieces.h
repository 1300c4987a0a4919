#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine.h"

namespace vendrel {

// A step on the maze grid and the side of a cell it leaves through: 1 north (y - 1),
// 2 east (x + 1), 3 south (y + 1), 4 west (x - 1).
using Direction = std::uint8_t;

constexpr bool IsDirection(int value) { return value >= 1 && value <= 4; }
// For a direction 1 to 4.
constexpr Direction Opposite(Direction direction) {
  return static_cast<Direction>((direction + 1) % 4 + 1);
}

struct GridCell {
  int x = 0;
  int y = 0;
  bool operator==(const GridCell&) const = default;
};

// The neighbour in the given direction; no move for a value that is not a direction.
constexpr GridCell Step(GridCell cell, Direction direction) {
  switch (direction) {
    case 1: return {cell.x, cell.y - 1};
    case 2: return {cell.x + 1, cell.y};
    case 3: return {cell.x, cell.y + 1};
    case 4: return {cell.x - 1, cell.y};
    default: return cell;
  }
}

// How the level begins and how the main branch of a maze line ends.
enum class StartKind : std::uint8_t { GameStart = 0, LevelStart = 1 };
enum class EndKind : std::uint8_t { Alley = 0, GameEnd = 1, LevelEnd = 2 };

constexpr bool IsStartKind(int value) { return value >= 0 && value <= 1; }
constexpr bool IsEndKind(int value) { return value >= 0 && value <= 2; }

// Piece codes "00" to "30" are handled as their numbers.
inline constexpr int kNotAPiece = -1;

enum class PieceShape {
  Straight,
  ThreeWay,
  Turn,
  Cross,
  Alley,
  GameStart,
  GameEnd,
  LevelEnd,
  LevelStart
};

// The number of a two-digit code "00" to "30"; kNotAPiece for anything else.
int ParsePiece(std::string_view code);
// The two-digit code of a piece number 0 to 30.
std::string_view PieceCode(int piece);

// For a piece number 0 to 30.
PieceShape ShapeOf(int piece);
bool IsJunction(int piece);
bool IsEndPiece(int piece);
bool IsStartPiece(int piece);
bool IsOpenSide(int piece, Direction side);

// The end piece of a branch entered moving in `moving`: open on the side it is entered
// from. kNotAPiece for a kind or direction out of range.
int EndPiece(EndKind kind, Direction moving);
// The start piece, open towards the first cell of the line.
int StartPiece(StartKind kind, Direction towardsLine);

// The direction after a turn piece entered moving in `moving`; every other piece, and a
// turn entered through a closed side, keeps the direction.
Direction TurnExit(int piece, Direction moving);

// The branch directions of a junction, ascending.
class JunctionExits {
 public:
  void Add(Direction exit) { exits_[count_++] = exit; }
  const Direction* begin() const { return exits_.data(); }
  const Direction* end() const { return exits_.data() + count_; }
  Direction operator[](std::size_t index) const { return exits_[index]; }

 private:
  std::array<Direction, 3> exits_{};
  std::size_t count_ = 0;
};

// The open sides of a junction other than the side it is entered through. A three-way
// piece entered through its closed side cannot come from line creation: that is
// reported through MapError as fatal.
JunctionExits ExitsOf(const Engine& engine, int piece, Direction moving);

}  // namespace vendrel
