#pragma once

#include <QImage>
#include <filesystem>

#include "room_map.h"

namespace vendrel::preview {

// One room from above, with its connectors (an arrow out of the room in each one's
// direction, labelled with its size) and its placeholders marked.
QImage DrawRoomPicture(const RoomMap& room);

// Reads a designer's .vmf or a deployed .rgr and draws it. Throws MapFormatError when
// the file cannot be read.
QImage PreviewRoom(const std::filesystem::path& roomFile);

}  // namespace vendrel::preview
