#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "host.h"
#include "kit_display.h"
#include "random_source.h"

namespace vendrel::roomkit {

// What a deployment talks to and where it writes.
struct Kit {
  Host& host;
  KitDisplay& display;
  RandomSource& random;
  // The `rooms` folder beside the kit's program file, or another one the user named.
  std::filesystem::path roomsFolder;
};

enum class DeployOutcome {
  Deployed,
  Faulted,   // a rule broken; the designer was told, nothing was written
  Declined,  // the designer answered No to a question; nothing was written
};

struct DeployResult {
  DeployOutcome outcome = DeployOutcome::Faulted;
  // The fault text as shown after "There's a problem with this room: " and the map's name.
  std::string fault;
  // Quarter turns that brought the room into its type's canonical orientation.
  int turns = 0;
  std::filesystem::path roomFile;
  std::optional<std::filesystem::path> backup;
  std::uintmax_t roomFileSize = 0;
};

// Checks the designer's map against the rules a room must follow, turns it into the
// canonical orientation of its type, renumbers its identifiers and writes it as a room
// file. Every fault and question goes through the host; statistics to the display.
// Whatever fails inside ends the deployment through MapFault, never as an exception.
DeployResult DeployRoom(const Kit& kit, const std::filesystem::path& mapFile);

}  // namespace vendrel::roomkit
