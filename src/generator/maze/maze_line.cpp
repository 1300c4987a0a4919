#include "maze_line.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace vendrel {
namespace {

// One branch still to be written: its cells and how it ends.
struct Slot {
  int length;
  EndKind end;
};

// Reseed, then a whole number 1..choices.
int ChooseAfterReseed(RandomSource& random, int choices) {
  random.Randa();
  return static_cast<int>(std::floor(random.Draw() * choices)) + 1;
}

// Branch lengths round to the nearest whole number, halves to the even neighbour; a
// side branch has at least one cell.
int SideBranchLength(double value) { return std::max(1, static_cast<int>(std::nearbyint(value))); }

struct TurnChoice {
  int piece;
  Direction next;
};

// By current direction and the choice 1 or 2.
constexpr TurnChoice kTurns[4][2] = {
    {{7, 2}, {8, 4}}, {{9, 1}, {8, 3}}, {{6, 2}, {9, 4}}, {{6, 1}, {7, 3}}};

// By current direction and the choice 1 to 3; the exits follow from the piece.
constexpr int kThreeWays[4][3] = {{3, 2, 4}, {4, 3, 5}, {5, 4, 2}, {2, 3, 5}};

constexpr int kCrossPiece = 10;

void AppendLine(const Engine& engine, std::string& line, int length, Direction direction,
                EndKind endKind);

void AppendBranches(const Engine& engine, std::string& line, int piece, Direction direction,
                    std::initializer_list<Slot> slots) {
  line += PieceCode(piece);
  const JunctionExits exits = ExitsOf(engine, piece, direction);
  std::size_t exit = 0;
  for (const Slot& slot : slots) AppendLine(engine, line, slot.length, exits[exit++], slot.end);
}

void AppendThreeWay(const Engine& engine, std::string& line, Direction direction, int remaining,
                    EndKind endKind) {
  RandomSource& random = engine.random;
  const int side = SideBranchLength(random.Draw() * 0.4 * remaining);
  const int choice = ChooseAfterReseed(random, 3);
  Slot low{remaining - side, endKind};
  Slot high{side, EndKind::Alley};
  // The lengths follow the end kinds, so the main end keeps the long branch.
  if (MightFlip(engine, low.end, high.end)) Flip(low.length, high.length);
  AppendBranches(engine, line, kThreeWays[direction - 1][choice - 1], direction, {low, high});
}

void AppendCross(const Engine& engine, std::string& line, Direction direction, int remaining,
                 EndKind endKind) {
  RandomSource& random = engine.random;
  random.Randa();
  const int side = SideBranchLength(random.Draw() * 0.4 * remaining / 2);
  Slot a{side, EndKind::Alley};
  Slot b{side, EndKind::Alley};
  Slot c{remaining - 2 * side, endKind};
  if (MightFlip(engine, a.length, c.length)) Flip(a.end, c.end);
  if (MightFlip(engine, c.length, b.length)) Flip(c.end, b.end);
  if (MightFlip(engine, a.length, b.length)) Flip(a.end, b.end);
  AppendBranches(engine, line, kCrossPiece, direction, {a, b, c});
}

void AppendStraight(std::string& line, Direction direction) {
  line += (direction == 1 || direction == 3) ? "00" : "01";
}

// One branch of the body, written onto the end of `line`.
void AppendLine(const Engine& engine, std::string& line, int length, Direction direction,
                EndKind endKind) {
  RandomSource& random = engine.random;
  Direction current = direction;
  random.Randa();
  for (int i = 1; i <= length; ++i) {
    const int remaining = length - i;
    if (remaining == 0) {
      line += PieceCode(EndPiece(endKind, current));
    } else if (ChooseAfterReseed(random, 3) == 3) {
      const TurnChoice& turn = kTurns[current - 1][ChooseAfterReseed(random, 2) - 1];
      line += PieceCode(turn.piece);
      current = turn.next;
    } else if (ChooseAfterReseed(random, 5) == 4) {
      if (remaining >= 2) {
        AppendThreeWay(engine, line, current, remaining, endKind);
        i = length;
      } else {
        AppendStraight(line, current);
      }
    } else if (ChooseAfterReseed(random, 8) == 8 && remaining >= 3) {
      AppendCross(engine, line, current, remaining, endKind);
      i = length;
    } else {
      AppendStraight(line, current);
    }
    random.Randa();
  }
}

}  // namespace

std::string CreateLine(const Engine& engine, int length, Direction direction, EndKind endKind) {
  std::string line;
  CreateLine(engine, line, length, direction, endKind);
  return line;
}

void CreateLine(const Engine& engine, std::string& line, int length, Direction direction,
                EndKind endKind) {
  if (length < 0 || !IsDirection(direction) || !IsEndKind(static_cast<int>(endKind))) {
    throw std::invalid_argument(
        "CreateLine needs a length of 0 or more, a direction 1 to 4 and an end kind 0 to 2");
  }
  line.clear();
  line.reserve(2 * static_cast<std::size_t>(length));
  AppendLine(engine, line, length, direction, endKind);
}

bool DrawFlipCoin(const Engine& engine) {
  const SeedTime time = engine.clock.SeedReading();
  const float secondsSinceMidnight = static_cast<float>(time.secondsSinceMidnight);
  engine.random.ReseedFromClock((937.7034 - secondsSinceMidnight) + time.local.second);
  return static_cast<float>(engine.random.Draw()) > 0.5f;
}

}  // namespace vendrel
