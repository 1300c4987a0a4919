#include "room_coverage.h"

#include <array>
#include <cstdio>
#include <set>

#include "maze_pieces.h"
#include "piece_codes.h"
#include "room_catalogue.h"

namespace vendrel {
namespace {

constexpr int kGameStart = 5;

// Draws that lead DecodePiece down each of its branches: below and above every bound.
constexpr std::array<double, 5> kBranchDraws{0.0, 0.25, 0.5, 0.75, 0.99};

// The rooms whose connectors can lead on to another room: every type but the dead ends.
bool HasExits(long long typeCode) { return typeCode >= 0 && typeCode <= 3; }

std::string Joined(const std::vector<int>& values, const char* separator) {
  std::string text;
  for (const int value : values) text += (text.empty() ? "" : separator) + std::to_string(value);
  return text;
}

}  // namespace

bool CoverageRow::Hole() const {
  for (const SideCoverage& side : sides) {
    if (side.rooms == 0) return true;
  }
  return sides.empty();
}

std::vector<CoverageRow> LibraryCoverage::Holes() const {
  std::vector<CoverageRow> holes;
  for (const CoverageRow& row : rows) {
    if (row.Hole()) holes.push_back(row);
  }
  return holes;
}

std::string RoomTypeName(long long typeCode) {
  static constexpr std::array<const char*, kPieceTypeCount> kNames{
      "two way", "turn", "three way", "crossing", "alley", "game start", "game end"};
  if (typeCode < 0 || typeCode >= kPieceTypeCount) return {};
  return kNames[static_cast<std::size_t>(typeCode)];
}

std::vector<int> EntrySides(int typeCode) {
  std::set<int> sides;
  for (int piece = 0; piece <= 30; ++piece) {
    // The start piece is the first cell, entered from no other.
    if (IsStartPiece(piece)) continue;
    for (const double draw : kBranchDraws) {
      const PieceChoice choice = DecodePiece(PieceCode(piece), [draw] { return draw; });
      if (choice.problem != PieceProblem::None || choice.typeCode != typeCode) continue;
      for (Direction moving = 1; moving <= 4; ++moving) {
        if (!IsOpenSide(piece, Opposite(moving))) continue;
        // The side facing the entry cell, in the level, turned back into the room's frame.
        const int facing = (moving + 1) % 4;
        sides.insert(((facing - choice.turns) % 4 + 4) % 4);
      }
    }
  }
  return {sides.begin(), sides.end()};
}

LibraryCoverage CoverageOf(const RoomTable& table, long long genre) {
  LibraryCoverage coverage;
  coverage.genre = genre;
  const RoomCatalogue catalogue(table);
  std::set<int> sizes;
  for (const RoomRow& room : table.rows) {
    const auto roomGenre = room[kGenreColumn].Whole();
    if (!RoomUnfitness(room).empty()) {
      if (!roomGenre || *roomGenre == genre) ++coverage.unusableRooms;
      continue;
    }
    if (*roomGenre != genre) continue;
    const long long type = *room[kTypeColumn].Whole();
    if (type == kBlockedTypeCode) {
      ++coverage.blockedRooms;
      continue;
    }
    if (type >= 0 && type < kPieceTypeCount) ++coverage.usableRooms;
    if (!HasExits(type) && type != kGameStart) continue;
    const auto connectors = room.Connectors();
    for (const int side : CanonicalConnectorSides(type)) {
      sizes.insert(connectors[static_cast<std::size_t>(side)].size);
    }
  }
  coverage.sizes.assign(sizes.begin(), sizes.end());

  for (int type = 0; type < kPieceTypeCount; ++type) {
    if (type == kGameStart) {
      coverage.rows.push_back({type, std::nullopt, {{0, catalogue.Rooms(genre, type).size()}}});
      continue;
    }
    const std::vector<int> entrySides = EntrySides(type);
    for (const int size : coverage.sizes) {
      CoverageRow row{type, size, {}};
      for (const int side : entrySides) {
        row.sides.push_back({side, catalogue.RoomsWithConnector(genre, type, side, size).size()});
      }
      coverage.rows.push_back(row);
    }
  }
  return coverage;
}

std::vector<std::string> CoverageWarnings(const LibraryCoverage& coverage) {
  std::vector<std::string> warnings;
  const std::string genre = std::to_string(coverage.genre);
  for (const CoverageRow& row : coverage.Holes()) {
    const std::string name = RoomTypeName(row.typeCode);
    const std::string piece = (name.front() == 'a' ? "an " : "a ") + name + " (type " +
                              std::to_string(row.typeCode) + ")";
    const std::string error = "\"Could not find any rooms to match current room connection type! (" +
                              std::to_string(row.typeCode) + ")\"";
    if (!row.size) {
      warnings.push_back("genre " + genre + " has no room for " + piece + "; every run stops with " + error + ".");
      continue;
    }
    std::vector<int> emptySides;
    for (const SideCoverage& side : row.sides) {
      if (side.rooms == 0) emptySides.push_back(side.side);
    }
    warnings.push_back("genre " + genre + " has no room for " + piece + " entered through a size " +
                       std::to_string(*row.size) + " connector on its own side " +
                       Joined(emptySides, " or ") + "; a run that needs one stops with " + error + ".");
  }
  return warnings;
}

std::string CoverageTableText(const LibraryCoverage& coverage) {
  std::string text = "Coverage of genre " + std::to_string(coverage.genre) + ": " +
                     std::to_string(coverage.usableRooms) + " usable rooms\n" +
                     std::to_string(coverage.blockedRooms) + " blocked by room test mode, " +
                     std::to_string(coverage.unusableRooms) + " unusable\nEntry sizes: " +
                     (coverage.sizes.empty() ? "none" : Joined(coverage.sizes, ", ")) + "\n";
  char line[160];
  std::snprintf(line, sizeof line, "%-14s %4s %5s %5s %5s %5s\n", "TYPE", "SIZE", "N", "E", "S", "W");
  text += line;
  for (const CoverageRow& row : coverage.rows) {
    const std::string type = std::to_string(row.typeCode) + " " + RoomTypeName(row.typeCode);
    const char* mark = row.Hole() ? "  <- no room" : "";
    if (!row.size) {
      // The game start is not entered: its one count is of every room of the type.
      std::snprintf(line, sizeof line, "%-14s %4s   any %zu%s\n", type.c_str(), "-",
                    row.sides.front().rooms, mark);
      text += line;
      continue;
    }
    std::array<std::string, 4> cells{"-", "-", "-", "-"};
    for (const SideCoverage& side : row.sides) {
      cells[static_cast<std::size_t>(side.side)] = std::to_string(side.rooms);
    }
    std::snprintf(line, sizeof line, "%-14s %4d %5s %5s %5s %5s%s\n", type.c_str(), *row.size,
                  cells[0].c_str(), cells[1].c_str(), cells[2].c_str(), cells[3].c_str(), mark);
    text += line;
  }
  text += "Sides are the room's own, before it is turned;\n- is a side the maze never enters.\n";
  return text;
}

}  // namespace vendrel
