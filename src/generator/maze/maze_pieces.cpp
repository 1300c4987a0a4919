#include "maze_pieces.h"

#include <stdexcept>
#include <string>

#include "map_error.h"

namespace vendrel {
namespace {

constexpr int kPieceCount = 31;

constexpr std::string_view kCodes[kPieceCount] = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "30"};

constexpr std::uint8_t SideBit(int side) { return static_cast<std::uint8_t>(1u << (side - 1)); }
constexpr std::uint8_t Sides(int a, int b) { return SideBit(a) | SideBit(b); }
constexpr std::uint8_t Sides(int a, int b, int c) { return Sides(a, b) | SideBit(c); }

// The open sides of the pieces 0 to 10; the end and start families are open on one
// side each, in side order.
constexpr std::uint8_t kInnerOpenSides[11] = {
    Sides(1, 3),    Sides(2, 4),    Sides(1, 2, 3), Sides(2, 3, 4), Sides(1, 3, 4), Sides(1, 2, 4),
    Sides(1, 2),    Sides(2, 3),    Sides(3, 4),    Sides(4, 1),    Sides(1, 2) | Sides(3, 4)};

constexpr int kFirstAlley = 11;
constexpr int kFirstGameStart = 15;
constexpr int kFirstGameEnd = 19;
constexpr int kFirstLevelEnd = 23;
constexpr int kFirstLevelStart = 27;

bool IsPiece(int piece) { return piece >= 0 && piece < kPieceCount; }

std::uint8_t OpenSides(int piece) {
  if (!IsPiece(piece)) return 0;
  if (piece < kFirstAlley) return kInnerOpenSides[piece];
  return SideBit((piece - kFirstAlley) % 4 + 1);
}

}  // namespace

int ParsePiece(std::string_view code) {
  if (code.size() != 2 || code[0] < '0' || code[0] > '9' || code[1] < '0' || code[1] > '9') {
    return kNotAPiece;
  }
  const int piece = (code[0] - '0') * 10 + (code[1] - '0');
  return IsPiece(piece) ? piece : kNotAPiece;
}

std::string_view PieceCode(int piece) { return IsPiece(piece) ? kCodes[piece] : std::string_view(); }

PieceShape ShapeOf(int piece) {
  if (piece <= 1) return PieceShape::Straight;
  if (piece <= 5) return PieceShape::ThreeWay;
  if (piece <= 9) return PieceShape::Turn;
  if (piece == 10) return PieceShape::Cross;
  if (piece < kFirstGameStart) return PieceShape::Alley;
  if (piece < kFirstGameEnd) return PieceShape::GameStart;
  if (piece < kFirstLevelEnd) return PieceShape::GameEnd;
  if (piece < kFirstLevelStart) return PieceShape::LevelEnd;
  return PieceShape::LevelStart;
}

bool IsJunction(int piece) {
  return IsPiece(piece) && (ShapeOf(piece) == PieceShape::ThreeWay || ShapeOf(piece) == PieceShape::Cross);
}

bool IsEndPiece(int piece) {
  if (!IsPiece(piece)) return false;
  const PieceShape shape = ShapeOf(piece);
  return shape == PieceShape::Alley || shape == PieceShape::GameEnd || shape == PieceShape::LevelEnd;
}

bool IsStartPiece(int piece) {
  return IsPiece(piece) &&
         (ShapeOf(piece) == PieceShape::GameStart || ShapeOf(piece) == PieceShape::LevelStart);
}

bool IsOpenSide(int piece, Direction side) {
  return IsDirection(side) && (OpenSides(piece) & SideBit(side)) != 0;
}

int EndPiece(EndKind kind, Direction moving) {
  if (!IsDirection(moving)) return kNotAPiece;
  const int entrySide = Opposite(moving);
  switch (kind) {
    case EndKind::Alley: return kFirstAlley + entrySide - 1;
    case EndKind::GameEnd: return kFirstGameEnd + entrySide - 1;
    case EndKind::LevelEnd: return kFirstLevelEnd + entrySide - 1;
  }
  return kNotAPiece;
}

int StartPiece(StartKind kind, Direction towardsLine) {
  if (!IsDirection(towardsLine)) return kNotAPiece;
  switch (kind) {
    case StartKind::GameStart: return kFirstGameStart + towardsLine - 1;
    case StartKind::LevelStart: return kFirstLevelStart + towardsLine - 1;
  }
  return kNotAPiece;
}

Direction TurnExit(int piece, Direction moving) {
  if (!IsPiece(piece) || ShapeOf(piece) != PieceShape::Turn || !IsDirection(moving)) return moving;
  const Direction entrySide = Opposite(moving);
  if (!IsOpenSide(piece, entrySide)) return moving;
  for (Direction side = 1; side <= 4; ++side) {
    if (side != entrySide && IsOpenSide(piece, side)) return side;
  }
  return moving;
}

JunctionExits ExitsOf(const Engine& engine, int piece, Direction moving) {
  if (!IsJunction(piece) || !IsDirection(moving)) {
    throw std::invalid_argument("ExitsOf needs a junction piece and a direction 1 to 4");
  }
  const Direction entrySide = Opposite(moving);
  if (!IsOpenSide(piece, entrySide)) {
    const std::string code(PieceCode(piece));
    MapError(engine,
             "Maze line fault: the three way piece " + code + " was entered through its closed side.",
             true,
             "Maze line fault, got three way piece (" + code + ") entered through its closed side " +
                 std::to_string(entrySide) + " while moving in direction " + std::to_string(moving) +
                 ".");
  }
  JunctionExits exits;
  for (Direction side = 1; side <= 4; ++side) {
    if (side != entrySide && IsOpenSide(piece, side)) exits.Add(side);
  }
  return exits;
}

}  // namespace vendrel
