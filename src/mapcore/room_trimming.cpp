#include "room_trimming.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vendrel {
namespace {

constexpr std::array<std::string_view, 8> kPlaceholderClasses = {
    "quilla_connector",       "quilla_info",  "quilla_weapon", "quilla_npc",
    "quilla_spawn_contoller", "quilla_spawn", "quilla_item",   "func_quilla_spawngroup"};
constexpr std::array<std::string_view, 2> kLightClasses = {"light", "light_dynamic"};

bool IsRemoved(std::string_view className, bool skipLights) {
  auto listed = [className](const auto& classes) {
    return std::find(classes.begin(), classes.end(), className) != classes.end();
  };
  return listed(kPlaceholderClasses) || (skipLights && listed(kLightClasses));
}

}  // namespace

void ClearRands(Items& room, bool skipLights) {
  bool inEntity = false;
  std::size_t entityStart = 0;
  int depth = 0;
  std::string className;
  for (std::size_t i = 0; i < room.size(); ++i) {
    const std::string& item = room[i];
    // Only the block name starts an entity, not a value that happens to read "entity".
    if (item == "entity" && i + 1 < room.size() && room[i + 1] == "{") {
      inEntity = true;
      entityStart = i;
      depth = 0;
      continue;
    }
    if (!inEntity) continue;
    if (item == "{") {
      ++depth;
    } else if (item == "}") {
      if (--depth != 0) continue;
      if (IsRemoved(className, skipLights)) {
        std::for_each(room.begin() + static_cast<std::ptrdiff_t>(entityStart),
                      room.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                      [](std::string& slot) { slot.clear(); });
      }
      inEntity = false;
    } else if (item == "classname" && i + 1 < room.size()) {
      className = room[++i];
    }
  }
}

void RemoveNoNWorld(Items& items) {
  const auto firstSolid = std::find(items.begin(), items.end(), "solid");
  items.erase(items.begin(), firstSolid);
}

}  // namespace vendrel
