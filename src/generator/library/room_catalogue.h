#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine.h"
#include "room_table.h"

namespace vendrel {

// The connector directions (0 north, 1 east, 2 south, 3 west) a room of a type has in the
// orientation room files keep; empty for a type code that no maze piece uses.
std::vector<int> CanonicalConnectorSides(long long typeCode);

// Why a room cannot take part in a level, or empty when it can.
std::string RoomUnfitness(const RoomRow& room);

// The room library sorted for the room choice: for each genre and type the rooms in
// library order, and the same lists split by the size of each of their own connectors.
// Lists grow as needed; no key has a fixed capacity.
class RoomCatalogue {
 public:
  // Sorts the table's rooms in, showing progress and yielding per room. Rooms that cannot
  // be placed (RoomUnfitness) are left out; the scan's report says why.
  static RoomCatalogue Build(const Engine& engine, const RoomTable& table);
  // The same sorting without a word to anyone; `eachRoom` hears every row before it is
  // sorted in.
  explicit RoomCatalogue(const RoomTable& table,
                         const std::function<void(std::size_t row)>& eachRoom = {});

  // Rows of the rooms of a genre and type.
  const std::vector<std::size_t>& Rooms(long long genre, long long typeCode) const;
  // Rows of the rooms of a genre and type whose own connector `side` has `size`.
  const std::vector<std::size_t>& RoomsWithConnector(long long genre, long long typeCode, int side,
                                                     int size) const;

 private:
  void Add(std::size_t row, long long genre, long long typeCode,
           const std::array<RoomConnector, 4>& connectors);

  std::map<std::tuple<long long, long long>, std::vector<std::size_t>> byType_;
  std::map<std::tuple<long long, long long, int, int>, std::vector<std::size_t>> byConnector_;
};

}  // namespace vendrel
