#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "left_out_rooms.h"
#include "room_file.h"

namespace vendrel {

// A cell of the room table: the header item as it was read, and its value when it reads
// as a number. An empty item counts as the number 0.
struct RoomCell {
  std::string text;
  std::optional<double> number;

  static RoomCell FromItem(std::string_view item);
  // The value when it is a whole number, otherwise nothing.
  std::optional<long long> Whole() const;
};

inline constexpr int kRoomColumns = 22;
inline constexpr int kNameColumn = 0;
inline constexpr int kGenreColumn = 1;
inline constexpr int kTypeColumn = 2;
inline constexpr int kPathColumn = 19;
inline constexpr int kCommentColumn = 20;
inline constexpr int kAuthorColumn = 21;

// The type code room test mode gives every other room of the tested type.
inline constexpr long long kBlockedTypeCode = 29;

// Columns of connector direction 0..3: x, y, z (part 0..2) and the size (part 3).
constexpr int ConnectorColumn(int direction, int part) { return 3 + 4 * direction + part; }

// One room file: its 21 header items and, in column 19, its path.
struct RoomRow {
  std::array<RoomCell, kRoomColumns> cells;
  // Why the header could not be read, or empty when it was; such a row holds only its
  // path, so that the room manager can still show and delete the file.
  std::string unreadable;

  const RoomCell& operator[](int column) const { return cells[static_cast<std::size_t>(column)]; }
  RoomCell& operator[](int column) { return cells[static_cast<std::size_t>(column)]; }

  std::filesystem::path File() const { return cells[kPathColumn].text; }
  // The connectors as the header gives them; a side whose four items are empty has none.
  // A size that is not a whole number reads as -1, which meets no connector.
  std::array<RoomConnector, 4> Connectors() const;
};

// The room library as found in the rooms folder, one row per room file in file-name order.
struct RoomTable {
  std::vector<RoomRow> rows;
  // The rooms no run will choose and the empty room files the scan deleted, in the order
  // the scan met them.
  std::vector<LeftOutRoom> leftOut;

  std::size_t RoomCount() const { return rows.size(); }
};

}  // namespace vendrel
