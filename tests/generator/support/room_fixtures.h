#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "room_file.h"
#include "room_text.h"

namespace vendrel::testing {

// A square room of the given half width around the origin: floor brushes stacked below
// z 0, the placeholder entities a designer puts in, and connectors on the sides its type
// has, each in the middle of its side at floor height.
struct FixtureRoom {
  std::string name;
  int type = 0;
  std::array<int, 4> sizes{1, 1, 1, 1};
  long long genre = 0;
  int halfWidth = 256;
  int brushes = 1;
};

inline std::vector<int> FixtureSides(int type) {
  switch (type) {
    case 0: return {0, 2};
    case 1: return {0, 1};
    case 2: return {0, 1, 3};
    case 3: return {0, 1, 2, 3};
    default: return {0};
  }
}

inline std::array<std::string, 3> FixtureConnectorPosition(int side, int halfWidth) {
  const std::string h = std::to_string(halfWidth);
  const std::string minusH = "-" + h;
  switch (side) {
    case 0: return {"0", h, "0"};
    case 1: return {h, "0", "0"};
    case 2: return {"0", minusH, "0"};
    default: return {minusH, "0", "0"};
  }
}

inline RoomHeader FixtureHeader(const FixtureRoom& room) {
  RoomHeader header;
  header.name = room.name;
  header.genre = room.genre;
  header.type = std::to_string(room.type);
  for (const int side : FixtureSides(room.type)) {
    const auto position = FixtureConnectorPosition(side, room.halfWidth);
    header.connectors[static_cast<std::size_t>(side)] = {
        true, position[0], position[1], position[2], room.sizes[static_cast<std::size_t>(side)]};
  }
  header.comment = "test room";
  header.author = "tests";
  return header;
}

inline Items FixtureBody(const FixtureRoom& room) {
  const std::string h = std::to_string(room.halfWidth);
  const std::string minusH = "-" + h;
  auto point = [](const std::string& x, const std::string& y, const std::string& z) {
    return "(" + x + " " + y + " " + z + ")";
  };
  Items body;
  int id = 1;
  for (int brush = 0; brush < room.brushes; ++brush) {
    const std::string top = std::to_string(-16 * brush);
    const std::string bottom = std::to_string(-16 * brush - 16);
    const std::vector<std::string> planes = {
        point(minusH, h, top) + " " + point(h, h, top) + " " + point(h, minusH, top),
        point(minusH, minusH, bottom) + " " + point(h, minusH, bottom) + " " + point(h, h, bottom),
        point(minusH, h, top) + " " + point(minusH, minusH, top) + " " + point(minusH, minusH, bottom),
        point(h, h, bottom) + " " + point(h, minusH, bottom) + " " + point(h, minusH, top),
        point(h, h, top) + " " + point(minusH, h, top) + " " + point(minusH, h, bottom),
        point(h, minusH, bottom) + " " + point(minusH, minusH, bottom) + " " + point(minusH, minusH, top)};
    body.push_back("solid");
    body.push_back("{");
    body.push_back("id");
    body.push_back(std::to_string(id++));
    for (const std::string& plane : planes) {
      for (const std::string item : {"side", "{", "id"}) body.push_back(item);
      body.push_back(std::to_string(id++));
      for (const std::string item : {"plane", plane.c_str(), "material", "DEV/DEV_FLOOR",
                                     "uaxis", "[1 0 0 0] 0.25", "vaxis", "[0 -1 0 0] 0.25", "}"}) {
        body.push_back(item);
      }
    }
    body.push_back("}");
  }
  body.push_back("}");  // closes the world: becomes the world end line
  auto entity = [&](const std::string& classname, const std::string& origin,
                    std::vector<std::string> keys) {
    for (const std::string item : {"entity", "{", "id"}) body.push_back(item);
    body.push_back(std::to_string(id++));
    body.push_back("classname");
    body.push_back(classname);
    body.push_back("origin");
    body.push_back(origin);
    for (auto& key : keys) body.push_back(std::move(key));
    body.push_back("}");
  };
  entity("quilla_info", "0 0 16",
         {"roomname", room.name, "roomtype", std::to_string(room.type), "roomgenre",
          std::to_string(room.genre)});
  for (const int side : FixtureSides(room.type)) {
    const auto position = FixtureConnectorPosition(side, room.halfWidth);
    entity("quilla_connector", position[0] + " " + position[1] + " " + position[2],
           {"size", std::to_string(room.sizes[static_cast<std::size_t>(side)])});
  }
  if (room.type == 5) entity("info_player_start", "0 0 16", {"angles", "0 90 0"});
  return body;
}

// Writes <roomsFolder>/<name>.rgr and returns its path.
inline std::filesystem::path WriteFixtureRoom(const std::filesystem::path& roomsFolder,
                                              const FixtureRoom& room) {
  return WriteRoomFile(roomsFolder, room.name, FixtureHeader(room), FixtureBody(room),
                       [] { return 0.5; })
      .file;
}

}  // namespace vendrel::testing
