#include "map_items.h"

#include <string>
#include <string_view>

#include "item_tokenizer.h"
#include "map_fault.h"
#include "map_format_error.h"
#include "map_text_check.h"
#include "map_text_items.h"
#include "room_trimming.h"

namespace vendrel::roomkit {
namespace {

constexpr std::string_view kCamerasItem = "cameras";

std::string NamelessKeyFault(std::size_t line, std::string_view value) {
  return "At line " + std::to_string(line) + ": a key without a name (\"\" \"" +
         std::string(value) +
         "\")! Give that output a name or remove the connection in the editor, then save "
         "the map again!";
}

}  // namespace

void MapItems::KeepFromFirstSolid() {
  const std::size_t before = items.size();
  RemoveNoNWorld(items);
  lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(before - items.size()));
}

MapItems ReadMapItems(const std::filesystem::path& mapFile) {
  MapItems map;
  try {
    ItemTokenizer tokenizer(mapFile);
    std::string_view item;
    bool inBody = false;
    // An empty item with another item after it on its line stands where a key belongs.
    std::size_t emptyItemLine = 0;
    bool emptyItemOpen = false;
    MapTextItems kept(map.items, map.lines);
    while (tokenizer.Next(item)) {
      if (emptyItemOpen && tokenizer.Line() == emptyItemLine) {
        throw RoomFault(NamelessKeyFault(emptyItemLine, item));
      }
      emptyItemOpen = false;
      if (item == kCamerasItem) {
        if (const auto fault =
                FindMapTextFault(map.items, map.lines, MapTextLayout::Map, tokenizer.Line())) {
          throw RoomFault("At line " + std::to_string(fault->line) + ": " + fault->problem + "!");
        }
        return map;
      }
      if (item == "solid") inBody = true;
      if (item.empty() && inBody) {
        emptyItemOpen = true;
        emptyItemLine = tokenizer.Line();
      }
      kept.Add(item, tokenizer.Line());
    }
  } catch (const MapFormatError& error) {
    throw RoomFault("Your map file couldn't be read: " + std::string(error.what()));
  }
  throw RoomFault("Your map file " + mapFile.string() +
                  " has no cameras block, so it was not saved whole by the level editor! "
                  "Save it again from the editor.");
}

}  // namespace vendrel::roomkit
