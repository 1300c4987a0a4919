#include "maze_directions.h"

#include <stdexcept>
#include <string>

#include "map_error.h"

namespace vendrel {
namespace {

std::string_view MapBranch(const Engine& engine, DirList& list, std::string_view text,
                           Direction direction, int from, int& counter) {
  int previous = from;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const std::string_view code = text.substr(i, 2);
    ++counter;
    list.FeedList(counter, previous, direction);
    previous = counter;
    const int piece = ParsePiece(code);
    if (piece == kNotAPiece) {
      MapError(engine, "Incorrect returner to <give direction>", true,
               "Give direction falut, got returner witch had incorrect value (" + std::string(code) + ")");
    }
    const std::string_view rest = text.substr(i + 2);
    if (IsJunction(piece)) {
      const int junction = counter;
      std::string_view remainder = rest;
      for (const Direction exit : ExitsOf(engine, piece, direction)) {
        remainder = MapBranch(engine, list, remainder, exit, junction, counter);
      }
      return remainder;
    }
    if (IsEndPiece(piece)) return rest;
    direction = TurnExit(piece, direction);
  }
  // A branch that runs out before its end code records no cell past the text.
  return {};
}

Direction StartDirection(const Engine& engine, std::string_view text) {
  const int piece = ParsePiece(text.substr(0, 2));
  if (!IsStartPiece(piece)) {
    MapError(engine,
             "Incorrect returner to <give direction> (Could not decide init direction for this piece)", true,
             "Give direction falut, got returner witch had incorrect value (" +
                 std::string(text.substr(0, 2)) + ") (Could not decide init direction for this piece)");
  }
  for (Direction side = 1; side <= 4; ++side) {
    if (IsOpenSide(piece, side)) return side;
  }
  return 0;
}

}  // namespace

void DirList::FeedList(int pos, int from, Direction dir) {
  if (pos < 0) throw std::out_of_range("DirList positions start at 0");
  if (static_cast<std::size_t>(pos) >= rows_.size()) rows_.resize(static_cast<std::size_t>(pos) + 1);
  rows_[static_cast<std::size_t>(pos)] = {from, dir};
}

const DirEntry& DirList::At(int pos) const {
  if (pos < 1 || pos > Count()) throw std::out_of_range("No such position in the direction list");
  return rows_[static_cast<std::size_t>(pos)];
}

DirList MapDirection(const Engine& engine, std::string_view mazeLine) {
  std::string_view text = mazeLine;
  Direction direction = 0;
  if (text.size() % 2 == 1) {
    // Only a direction digit gives a direction; anything else leaves it to the start code.
    if (IsDirection(text[0] - '0')) direction = static_cast<Direction>(text[0] - '0');
    text.remove_prefix(1);
  }
  if (direction == 0) direction = StartDirection(engine, text);
  DirList list;
  int counter = 0;
  MapBranch(engine, list, text, direction, 0, counter);
  return list;
}

}  // namespace vendrel
