#pragma once

#include <functional>
#include <string_view>

#include "engine.h"

namespace vendrel {

enum class PieceProblem { None, LevelEnd, LevelStart, Unknown };

// The room a maze cell takes: its type code and the quarter turns it is given.
struct PieceChoice {
  int typeCode = 0;
  int turns = 0;
  PieceProblem problem = PieceProblem::None;
};

// Turns a cell's two-digit piece code into a room type and rotation. freshDraw gives a
// reseeded draw; straight pieces take one (a half turn more above 0.5), cross sections one
// (a quarter turn for each 0.25 passed).
PieceChoice DecodePiece(std::string_view code, const std::function<double()>& freshDraw);

// DecodePiece with the run's random source; level start and end pieces and unknown codes
// end the run through MapError (fatal), with the maze line in the error report.
PieceChoice ChoosePiece(const Engine& engine, std::string_view code, std::string_view mazeLine);

}  // namespace vendrel
