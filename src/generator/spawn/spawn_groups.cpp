#include "spawn_groups.h"

#include <optional>
#include <string>

#include "number_text.h"
#include "room_value_error.h"

namespace vendrel {
namespace {

// The index of the "}" that closes the block opened at `open`, if the room closes it.
std::optional<std::size_t> BlockEnd(const Items& items, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < items.size(); ++i) {
    if (items[i] == "{") ++depth;
    if (items[i] == "}" && --depth == 0) return i;
  }
  return std::nullopt;
}

bool OpensBlock(const Items& items, std::size_t name) {
  return name + 1 < items.size() && items[name + 1] == "{";
}

struct NestedBlock {
  std::size_t name, end;
};

// The keys and nested blocks of one entity whose "{" and "}" are at open and close.
struct EntityContent {
  std::string classname;
  std::optional<std::string> targetname;
  std::vector<NestedBlock> blocks;
};

EntityContent ReadEntityContent(const Items& items, std::size_t open, std::size_t close) {
  EntityContent content;
  std::size_t i = open + 1;
  while (i < close) {
    const std::string& item = items[i];
    if (item.empty()) {
      ++i;
    } else if (OpensBlock(items, i)) {
      // Inside a closed entity every nested block closes before the entity does.
      const std::size_t end = *BlockEnd(items, i + 1);
      content.blocks.push_back({i, end});
      i = end + 1;
    } else {
      static const std::string kNoValue;
      const std::string& value = i + 1 < close ? items[i + 1] : kNoValue;
      if (item == "classname") content.classname = value;
      if (item == "targetname" && !content.targetname) content.targetname = value;
      i += 2;
    }
  }
  return content;
}

double ShareWeight(const RecordValue& share, const std::string& key) {
  const auto weight = ParseNumber(share.text);
  if (!weight) throw RoomValueError(share.item, key, share.text, "is not a number");
  return *weight;
}

void AppendCopy(Items& to, const Items& from, std::size_t first, std::size_t last) {
  to.insert(to.end(), from.begin() + static_cast<std::ptrdiff_t>(first),
            from.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

}  // namespace

void Print_Entity_To_World(Items& room, Items& worldInserts, std::string_view targetName) {
  std::size_t i = 0;
  while (i < room.size()) {
    if (room[i] != "entity" || !OpensBlock(room, i)) {
      ++i;
      continue;
    }
    const std::optional<std::size_t> close = BlockEnd(room, i + 1);
    if (!close) return;  // an entity the room never closes cannot be copied whole
    const EntityContent content = ReadEntityContent(room, i + 1, *close);
    if (content.targetname != targetName) {
      i = *close + 1;
      continue;
    }
    if (content.classname == kSpawnGroupClass) {
      for (const NestedBlock& block : content.blocks) {
        if (room[block.name] == "solid") AppendCopy(worldInserts, room, block.name, block.end);
      }
    } else {
      // Copied aside first: appending to the room moves the items being copied.
      Items entity;
      AppendCopy(entity, room, i, *close);
      room.insert(room.end(), entity.begin(), entity.end());
    }
    return;
  }
}

void DrawSpawnGroup(RandomSource& random, ShareList& shareList, EntityRecord& record,
                    Items& room, Items& worldInserts) {
  shareList.Clear();
  int alternatives = 0;
  for (std::size_t k = 0; k < kSpawnAlternatives; ++k) {
    if (record.controll[k].text.empty()) continue;
    ++alternatives;
    if (!record.shares[k].text.empty()) {
      shareList.Add(record.controll[k].text,
                    ShareWeight(record.shares[k], "shares" + std::to_string(k + 1)));
    }
  }
  if (alternatives > 0) {
    if (!record.nospawnshares.text.empty()) {
      shareList.AddNoSpawnShare(ShareWeight(record.nospawnshares, "nospawnshares"));
    }
    const std::string name = shareList.Get(random);
    if (!name.empty()) Print_Entity_To_World(room, worldInserts, name);
  }
  record.ClearSpawnGroupFields();
}

}  // namespace vendrel
