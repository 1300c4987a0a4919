#include "room_scan.h"

#include <string>

#include "map_fault.h"
#include "number_text.h"
#include "scan_values.h"

namespace vendrel::roomkit {
namespace {

// The last value read for each key the scan follows; they carry over from entity to
// entity, as a room's designer may rely on.
struct LastValues {
  std::string origin, className, roomName, roomType;
  int size = 0;
  int direction = 0;
  std::size_t directionLine = 0;
  long long roomGenre = 0;
};

void CloseQuillaInfo(const LastValues& last, RoomScan& scan, KitDisplay& display) {
  if (scan.roomInfoSeen) throw RoomFault("Several quilla_info detected! Only one is allowed!");
  scan.roomInfoSeen = true;
  display.Show(KitField::RoomName, last.roomName);
  scan.header.genre = last.roomGenre;
  scan.header.type = last.roomType;
  scan.header.name = last.roomName;
}

void CloseConnector(const LastValues& last, RoomScan& scan) {
  ++scan.connectors;
  if (last.direction >= static_cast<int>(scan.directionUsed.size())) {
    throw RoomFault("At line " + std::to_string(last.directionLine) +
                    ": a quilla_connector points in direction " + std::to_string(last.direction) +
                    "! Use 0, 1, 2 or 3 (or 4 for none).");
  }
  const auto direction = static_cast<std::size_t>(last.direction);
  if (scan.directionUsed[direction]) {
    throw RoomFault("More than one quilla_connector points in a direction!");
  }
  scan.directionUsed[direction] = true;
  const FiveFields position = SSplit(last.origin);
  if (last.size > 3) {
    throw RoomFault(
        "Incorrect size parameter in one of your quilla_connectors! Remove or replace them!");
  }
  if (direction < scan.header.connectors.size()) {
    scan.header.connectors[direction] = {true, position.f1, position.f2, position.f3, last.size};
  }
}

void CloseEntity(const LastValues& last, RoomScan& scan, KitDisplay& display) {
  const std::string& name = last.className;
  if (name == "quilla_info") {
    CloseQuillaInfo(last, scan, display);
  } else if (name == "quilla_connector") {
    CloseConnector(last, scan);
  } else if (name == "info_player_start") {
    scan.playerStartSeen = true;
  } else if (name == "light_dynamic" || name == "light" || name == "light_spot") {
    scan.lightSeen = true;
  } else if (name == "light_environment") {
    throw RoomFault("Your room contains a forbiden light_environment, remove it first!");
  } else if (name == "quilla_weapon") {
    scan.weaponSeen = true;
  }
}

}  // namespace

RoomScan ScanRoom(const MapItems& map, Host& host, KitDisplay& display) {
  RoomScan scan;
  LastValues last;
  int depth = -1;
  int shownPercent = -1;
  const std::size_t count = map.items.size();
  for (std::size_t i = 0; i < count; ++i) {
    // The bar moves in whole percents; repainting more often would only cost time.
    const int percent = static_cast<int>(static_cast<double>(i + 1) / count * 100);
    if (percent != shownPercent) {
      shownPercent = percent;
      host.SetProgress(percent);
      host.Yield();
    }
    const std::string& item = map.items[i];
    if (item == "entity") {
      depth = 0;
      ++scan.entities;
    } else if (item == "{") {
      if (depth != -1) ++depth;
    } else if (item == "}") {
      if (depth != -1 && --depth == 0) {
        depth = -1;
        CloseEntity(last, scan, display);
      }
    } else if (item == "origin") {
      last.origin = ValueAfter(map, i++);
    } else if (item == "classname") {
      last.className = ValueAfter(map, i++);
    } else if (item == "roomname") {
      last.roomName = ValueAfter(map, i++);
    } else if (item == "roomtype") {
      last.roomType = ValueAfter(map, i++);
    } else if (item == "size") {
      last.size = ByteValue(item, ValueAfter(map, i), ValueLine(map, i));
      ++i;
    } else if (item == "direction") {
      last.directionLine = ValueLine(map, i);
      last.direction = ByteValue(item, ValueAfter(map, i), last.directionLine);
      ++i;
    } else if (item == "roomgenre") {
      last.roomGenre = WholeValue(item, ValueAfter(map, i), ValueLine(map, i));
      ++i;
    } else if (item == "plane") {
      ++scan.sides;
    } else if (item == "solid") {
      ++scan.solids;
    }
  }
  return scan;
}

}  // namespace vendrel::roomkit
