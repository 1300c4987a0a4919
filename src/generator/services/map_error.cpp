#include "map_error.h"

#include <cstdio>

namespace vendrel {

MapErrorExit::MapErrorExit(std::string message, bool fatal)
    : std::runtime_error(std::move(message)), fatal_(fatal) {}

void MapError(const Engine& engine, std::string_view errMsg, bool fatal, std::string_view fatalMsg) {
  engine.log.Log("ERROR: " + std::string(errMsg));
  engine.host.Message("Warning!",
                      "An error occoured when creating map. Following error message was returned: " +
                          std::string(errMsg),
                      MessageIcon::Information, MessageButtons::Ok);
  if (fatal && !fatalMsg.empty()) {
    engine.host.Message("Fatal!",
                        "This error is Fatal, errorlog.txt has been generated in the installation "
                        "folder. Please send this to " +
                            std::string(kMaintainerAddress) +
                            " if you want to contribute to the next versions bugfixes.",
                        MessageIcon::Critical, MessageButtons::Ok);
    const auto errorLog = engine.programFolder / "errorlog.txt";
    if (std::FILE* file = std::fopen(errorLog.c_str(), "wb")) {
      std::fwrite(fatalMsg.data(), 1, fatalMsg.size(), file);
      std::fwrite("\r\n", 1, 2, file);
      std::fclose(file);
    }
  }
  engine.host.Message("Shutting Down...", "Quilla will now exit.", MessageIcon::Information,
                      MessageButtons::Ok);
  throw MapErrorExit(std::string(errMsg), fatal);
}

}  // namespace vendrel
