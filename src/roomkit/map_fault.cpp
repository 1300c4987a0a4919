#include "map_fault.h"

#include <string>

namespace vendrel::roomkit {

void MapFault(Host& host, const std::filesystem::path& mapFile, std::string_view wrong) {
  const std::string name = mapFile.filename().string();
  const std::string named =
      name.empty() || wrong.find(name) != std::string_view::npos ? std::string(wrong)
                                                                 : name + ": " + std::string(wrong);
  host.Message("Warning!", "There's a problem with this room: " + named, MessageIcon::Critical,
               MessageButtons::Ok);
  host.Message("RDK", "Please, fix this error and try again!", MessageIcon::Critical,
               MessageButtons::Ok);
  host.SetStatus("Status: Error occoured!");
}

}  // namespace vendrel::roomkit
