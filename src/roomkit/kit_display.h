#pragma once

#include <string_view>

namespace vendrel::roomkit {

// The statistics the kit shows about the room being deployed, in the window's order.
enum class KitField {
  MapFileSize,   // "VMF File Size:"
  RoomFileSize,  // "RGR File Size:"
  RoomName,      // "Room Name:"
  Solids,        // "Solids:"
  Entities,      // "Entitys:"
  Sides,         // "Sides:"
  Connections,   // "Connections:"
  RoomType,      // "Room Type:"
};

inline constexpr KitField kAllKitFields[] = {
    KitField::MapFileSize, KitField::RoomFileSize, KitField::RoomName,    KitField::Solids,
    KitField::Entities,    KitField::Sides,        KitField::Connections, KitField::RoomType};

// Where a deployment shows its statistics as they become known.
class KitDisplay {
 public:
  virtual ~KitDisplay() = default;
  virtual void Show(KitField field, std::string_view text) = 0;
};

}  // namespace vendrel::roomkit
