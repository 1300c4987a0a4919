#include "map_fault.h"

#include <string>

namespace vendrel::roomkit {

void MapFault(Host& host, std::string_view wrong) {
  host.Message("Warning!", "There's a problem with this room: " + std::string(wrong),
               MessageIcon::Critical, MessageButtons::Ok);
  host.Message("RDK", "Please, fix this error and try again!", MessageIcon::Critical,
               MessageButtons::Ok);
  host.SetStatus("Status: Error occoured!");
}

}  // namespace vendrel::roomkit
