#pragma once

#include <string>
#include <utility>

#include "engine.h"
#include "maze_pieces.h"

namespace vendrel {

// The body of a maze line for exactly `length` cells (0 or more): the piece codes in
// depth-first order, the first cell lying in `direction` from the cell before it, the
// main branch ending in `endKind` and every side branch in an alley. Draws from the
// engine's random source, reseeding before nearly every draw.
std::string CreateLine(const Engine& engine, int length, Direction direction, EndKind endKind);
// The same into `line`, whose room is reused from one attempt to the next.
void CreateLine(const Engine& engine, std::string& line, int length, Direction direction,
                EndKind endKind);

template <typename T>
void Flip(T& v1, T& v2) {
  std::swap(v1, v2);
}

// MightFlip's coin: reseeds from the clock (or the custom seed) and says whether to
// exchange.
bool DrawFlipCoin(const Engine& engine);

// With even chance exchanges the two values; says whether it did.
template <typename T>
bool MightFlip(const Engine& engine, T& first, T& second) {
  if (!DrawFlipCoin(engine)) return false;
  Flip(first, second);
  return true;
}

}  // namespace vendrel
