#pragma once

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "deployment.h"
#include "fixed_clock.h"
#include "kit_display.h"
#include "random_source.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel::roomkit::testing {

using vendrel::testing::FixedClock;
using vendrel::testing::ReadFile;
using vendrel::testing::RecordingHost;
using vendrel::testing::TempFolder;
using vendrel::testing::WriteFile;

inline const std::filesystem::path kFixtures = VENDREL_ROOMKIT_FIXTURES;

// Keeps the last text shown in each statistics field.
class RecordingDisplay : public KitDisplay {
 public:
  void Show(KitField field, std::string_view text) override { shown[field] = text; }
  std::map<KitField, std::string> shown;
};

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// One point entity as the level editor writes it.
inline std::string EntityText(const KeyValues& keys) {
  std::string text = "entity\r\n{\r\n\t\"id\" \"7\"\r\n";
  for (const auto& [key, value] : keys) text += "\t\"" + key + "\" \"" + value + "\"\r\n";
  return text + "}\r\n";
}

inline std::string Info(std::string_view type, std::string_view name = "Test Room") {
  return EntityText({{"classname", "quilla_info"},
                     {"roomname", std::string(name)},
                     {"roomtype", std::string(type)},
                     {"roomgenre", "0"},
                     {"origin", "0 0 32"}});
}

inline std::string Connector(std::string_view direction, std::string_view size = "1",
                             std::string_view origin = "0 512 0") {
  return EntityText({{"classname", "quilla_connector"},
                     {"direction", std::string(direction)},
                     {"size", std::string(size)},
                     {"origin", std::string(origin)}});
}

inline std::string Light(std::string_view className = "light") {
  return EntityText({{"classname", std::string(className)}, {"origin", "0 0 128"}});
}

inline std::string Weapon() {
  return EntityText({{"classname", "quilla_weapon"}, {"spawnwhat", "1"}, {"origin", "0 0 16"}});
}

// A whole map around the given entity blocks: version, view and world blocks with one
// brush, then the entities, then the camera and cordon blocks.
inline std::string MapText(std::string_view entities) {
  std::string text =
      "versioninfo\r\n{\r\n\t\"editorversion\" \"400\"\r\n}\r\nvisgroups\r\n{\r\n}\r\n"
      "viewsettings\r\n{\r\n\t\"bSnapToGrid\" \"1\"\r\n}\r\n"
      "world\r\n{\r\n\t\"id\" \"1\"\r\n\t\"classname\" \"worldspawn\"\r\n"
      "\tsolid\r\n\t{\r\n\t\t\"id\" \"2\"\r\n";
  const char* planes[] = {
      "(-64 64 0) (64 64 0) (64 -64 0)",      "(-64 -64 -16) (64 -64 -16) (64 64 -16)",
      "(-64 64 0) (-64 -64 0) (-64 -64 -16)", "(64 64 -16) (64 -64 -16) (64 -64 0)",
      "(64 64 0) (-64 64 0) (-64 64 -16)",    "(64 -64 -16) (-64 -64 -16) (-64 -64 0)"};
  int side = 3;
  for (const char* plane : planes) {
    text +=
        "\t\tside\r\n\t\t{\r\n\t\t\t\"id\" \"" + std::to_string(side++) +
        "\"\r\n\t\t\t\"plane\" \"" + plane +
        "\"\r\n\t\t\t\"material\" \"DEV/DEV_MEASUREGENERIC01B\"\r\n"
        "\t\t\t\"uaxis\" \"[1 0 0 0] 0.25\"\r\n\t\t\t\"vaxis\" \"[0 -1 0 0] 0.25\"\r\n\t\t}\r\n";
  }
  text += "\t}\r\n}\r\n";
  text += entities;
  text +=
      "cameras\r\n{\r\n\t\"activecamera\" \"-1\"\r\n}\r\n"
      "cordon\r\n{\r\n\t\"mins\" \"(-1024 -1024 -1024)\"\r\n\t\"active\" \"0\"\r\n}\r\n";
  return text;
}

// A complete, valid alley room: one connector, a light, a weapon.
inline std::string AlleyMap(std::string_view name = "Test Room") {
  return MapText(Info("4", name) + Connector("0") + Light() + Weapon());
}

// The line (from 1) on which `needle` first stands in `text`.
inline std::size_t LineOf(std::string_view text, std::string_view needle) {
  const std::size_t at = text.find(needle);
  return static_cast<std::size_t>(
             std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n')) +
         1;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A kit that deploys into a temporary rooms folder and records everything it shows.
class KitFixture {
 public:
  KitFixture() { random.SetSeedMode(SeedMode::Custom, 7); }

  DeployResult Deploy(const std::filesystem::path& mapFile) {
    return DeployRoom({host, display, random, RoomsFolder()}, mapFile);
  }
  DeployResult DeployText(const std::string& mapText, const std::string& fileName = "room.vmf") {
    const std::filesystem::path map = temp / fileName;
    WriteFile(map, mapText);
    return Deploy(map);
  }
  std::filesystem::path RoomsFolder() const { return temp / "rooms"; }
  std::vector<std::filesystem::path> RoomFiles() const {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::exists(RoomsFolder())) return files;
    for (const auto& entry : std::filesystem::directory_iterator(RoomsFolder())) {
      files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  TempFolder temp;
  RecordingHost host;
  RecordingDisplay display;
  FixedClock clock;
  RandomSource random{clock};
};

}  // namespace vendrel::roomkit::testing
