#include "map_error.h"

#include "error_log.h"

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
    WriteErrorLog(engine.programFolder, fatalMsg);
  }
  engine.host.Message("Shutting Down...", "Quilla will now exit.", MessageIcon::Information,
                      MessageButtons::Ok);
  throw MapErrorExit(std::string(errMsg), fatal);
}

}  // namespace vendrel
