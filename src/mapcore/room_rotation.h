#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "room_file.h"
#include "room_text.h"

namespace vendrel {

// Quarter turns about the vertical axis through the map origin: (x, y, z) -> (y, -x, z),
// clockwise seen from above, so north becomes east. Heights never change.

// Turns the room `rotations` times; none for 0 or less.
void Rotator(Items& room, int rotations);

// One quarter turn of every position, direction and texture axis in the room. Keys are
// compared in any case; a value slot that spells a key is itself taken as a key. An
// empty field stays empty. Throws RoomValueError when a field that must be negated or
// turned is not a number.
void Rotate90(Items& room);

// `number` in point form, negated first when `x` is false. Zero (and an empty field,
// which counts as zero) keeps its text. Throws NumberTextError for a non-number.
std::string r90_Co(std::string_view number, bool x);

// Turns the point (xValue, yValue) by `rotations` quarter turns; none for 0 or less.
void R90(int rotations, std::string& xValue, std::string& yValue);

// Moves four side values (north, east, south, west) round by `rotations` quarter turns:
// after one turn the north value belongs to the east side. More than 4 acts modulo 4;
// below 0 changes nothing.
template <typename Value>
void RotateValues(Value& n, Value& e, Value& s, Value& w, int rotations) {
  if (rotations < 0) return;
  const int turns = rotations % 4;
  if (turns == 0) return;
  std::array<Value, 4> old{std::move(n), std::move(e), std::move(s), std::move(w)};
  Value* sides[4] = {&n, &e, &s, &w};
  for (int side = 0; side < 4; ++side) *sides[side] = std::move(old[(side - turns + 4) % 4]);
}

// Turns a room's four connectors: whole records move round the sides, then each
// position turns about the origin. An empty x or y counts as zero and stays empty.
// Throws NumberTextError when a coordinate is not a number.
void RotateConnections(std::array<RoomConnector, 4>& connectors, int rotations);

}  // namespace vendrel
