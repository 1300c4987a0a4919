#include "room_catalogue.h"

#include "number_text.h"
#include "progress.h"

namespace vendrel {
namespace {

const std::vector<std::size_t> kNoRooms;

}  // namespace

std::vector<int> CanonicalConnectorSides(long long typeCode) {
  switch (typeCode) {
    case 0: return {0, 2};
    case 1: return {0, 1};
    case 2: return {0, 1, 3};
    case 3: return {0, 1, 2, 3};
    case 4:
    case 5:
    case 6: return {0};
    default: return {};
  }
}

std::string RoomUnfitness(const RoomRow& room) {
  if (!room.unreadable.empty()) return "its header couldn't be read: " + room.unreadable;
  if (!room[kGenreColumn].Whole()) return "its genre \"" + room[kGenreColumn].text + "\" is not a whole number";
  const auto type = room[kTypeColumn].Whole();
  if (!type) return "its type \"" + room[kTypeColumn].text + "\" is not a whole number";
  const auto connectors = room.Connectors();
  for (const int side : CanonicalConnectorSides(*type)) {
    const RoomConnector& connector = connectors[static_cast<std::size_t>(side)];
    const std::string which = "its connector " + std::to_string(side);
    if (!connector.present) return which + " is missing";
    if (!ParseNumber(connector.x) || !ParseNumber(connector.y) || !ParseNumber(connector.z)) {
      return which + " has a position that is not a number";
    }
    if (connector.size < 0) return which + " has a size that is not a whole number";
  }
  return {};
}

RoomCatalogue RoomCatalogue::Build(const Engine& engine, const RoomTable& table) {
  const std::size_t count = table.RoomCount();
  engine.log.Log("Categorizing " + std::to_string(count) + " rooms...");
  return RoomCatalogue(table, [&engine, count](std::size_t row) {
    MrProg(engine.host, static_cast<double>(row + 1) * 100 / static_cast<double>(count));
    engine.host.Yield();
  });
}

RoomCatalogue::RoomCatalogue(const RoomTable& table,
                             const std::function<void(std::size_t row)>& eachRoom) {
  for (std::size_t i = 0; i < table.RoomCount(); ++i) {
    if (eachRoom) eachRoom(i);
    const RoomRow& room = table.rows[i];
    // The scan has reported the rooms left out.
    if (!RoomUnfitness(room).empty()) continue;
    Add(i, *room[kGenreColumn].Whole(), *room[kTypeColumn].Whole(), room.Connectors());
  }
}

void RoomCatalogue::Add(std::size_t row, long long genre, long long typeCode,
                        const std::array<RoomConnector, 4>& connectors) {
  byType_[{genre, typeCode}].push_back(row);
  for (int side = 0; side < 4; ++side) {
    const RoomConnector& connector = connectors[static_cast<std::size_t>(side)];
    if (connector.present) byConnector_[{genre, typeCode, side, connector.size}].push_back(row);
  }
}

const std::vector<std::size_t>& RoomCatalogue::Rooms(long long genre, long long typeCode) const {
  const auto found = byType_.find({genre, typeCode});
  return found == byType_.end() ? kNoRooms : found->second;
}

const std::vector<std::size_t>& RoomCatalogue::RoomsWithConnector(long long genre, long long typeCode,
                                                                  int side, int size) const {
  const auto found = byConnector_.find({genre, typeCode, side, size});
  return found == byConnector_.end() ? kNoRooms : found->second;
}

}  // namespace vendrel
