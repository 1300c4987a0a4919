#include "brush_rules.h"

#include <string>
#include <vector>

#include "map_check.h"
#include "level_map.h"
#include "map_fault.h"

namespace vendrel::roomkit {

void CheckRoomBrushes(const MapItems& map) {
  const preview::LevelMap level = preview::LevelMapFromItems({map.items, map.lines});
  const std::vector<preview::Finding> findings = preview::CheckBrushes(level);
  if (findings.empty()) return;
  std::string fault = preview::FindingText(findings.front());
  if (findings.size() > 1) fault += " (and " + std::to_string(findings.size() - 1) + " more)";
  throw RoomFault(fault + "! Fix the brush in the editor, then save the map again!");
}

}  // namespace vendrel::roomkit
