#include "piece_codes.h"

#include <string>

#include "map_error.h"

namespace vendrel {

PieceChoice DecodePiece(std::string_view code, const std::function<double()>& freshDraw) {
  int number = -1;
  if (code.size() == 2 && code[0] >= '0' && code[0] <= '9' && code[1] >= '0' && code[1] <= '9') {
    number = (code[0] - '0') * 10 + (code[1] - '0');
  }
  if (number == 0 || number == 1) return {0, (number + (freshDraw() > 0.5 ? 2 : 0)) % 4};
  if (number >= 2 && number <= 5) return {2, (number - 1) % 4};
  if (number >= 6 && number <= 9) return {1, number - 6};
  if (number == 10) {
    const double r = freshDraw();
    return {3, r < 0.25 ? 0 : r < 0.5 ? 1 : r < 0.75 ? 2 : 3};
  }
  if (number >= 11 && number <= 14) return {4, number - 11};
  if (number >= 15 && number <= 18) return {5, number - 15};
  if (number >= 19 && number <= 22) return {6, number - 19};
  if (number >= 23 && number <= 26) return {0, number - 23, PieceProblem::LevelEnd};
  if (number >= 27 && number <= 30) return {0, number - 27, PieceProblem::LevelStart};
  return {0, 0, PieceProblem::Unknown};
}

PieceChoice ChoosePiece(const Engine& engine, std::string_view code, std::string_view mazeLine) {
  const PieceChoice choice = DecodePiece(code, [&engine] {
    engine.random.Randa();
    return engine.random.Draw();
  });
  const std::string line(mazeLine);
  switch (choice.problem) {
    case PieceProblem::None:
      return choice;
    case PieceProblem::LevelEnd:
      MapError(engine, "A level end room was passed through even though it's not supported!", true,
               "Level end room was passed? from 'getgoodline'! RoomLine: " + line);
    case PieceProblem::LevelStart:
      MapError(engine, "A level start room was passed through even though it's not supported!",
               true, "Level start room was passed? from 'getgoodline'! RoomLine: " + line);
    case PieceProblem::Unknown:
      break;
  }
  MapError(engine, "The maze line holds the unknown piece code \"" + std::string(code) + "\".", true,
           "Unknown piece code \"" + std::string(code) + "\" from 'getgoodline'! RoomLine: " + line);
}

}  // namespace vendrel
