#include "map_blocks.h"

#include <cmath>

#include "item_tokenizer.h"
#include "number_text.h"

namespace vendrel::preview {

LinedItems ReadLinedItems(const std::filesystem::path& file) {
  ItemTokenizer tokenizer(file);
  LinedItems read;
  std::string_view item;
  // Blocks skip empty items, and an empty item is a value only right after its key: two
  // of a run parse as the whole run does, so a line of commas costs no more than its bytes.
  std::size_t emptyRun = 0;
  while (tokenizer.Next(item)) {
    emptyRun = item.empty() ? emptyRun + 1 : 0;
    if (emptyRun > 2) continue;
    read.items.emplace_back(item);
    read.lines.push_back(tokenizer.Line());
  }
  return read;
}

const std::string* MapBlock::Key(std::string_view key) const {
  for (const MapKey& candidate : keys) {
    if (candidate.key == key) return &candidate.value;
  }
  return nullptr;
}

std::optional<long long> ParseWhole(std::string_view text) {
  const auto number = ParseNumber(text);
  if (!number || !(std::fabs(*number) < 1e15) || std::floor(*number) != *number) return std::nullopt;
  return static_cast<long long>(*number);
}

std::optional<long long> MapBlock::Id() const {
  const std::string* id = Key("id");
  return id ? ParseWhole(*id) : std::nullopt;
}

MapBlock ParseBlocks(const LinedItems& read, std::vector<BlockProblem>& problems) {
  const std::vector<std::string>& items = read.items;
  MapBlock root;
  std::vector<MapBlock*> open{&root};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    const std::size_t line = read.lines[i];
    if (item.empty()) continue;
    if (item == "}") {
      if (open.size() == 1) {
        problems.push_back({line, "a \"}\" closes no block"});
        continue;
      }
      open.pop_back();
    } else if (i + 1 < items.size() && items[i + 1] == "{") {
      open.back()->children.push_back({item, line, {}, {}});
      open.push_back(&open.back()->children.back());
      ++i;
    } else if (i + 1 < items.size()) {
      open.back()->keys.push_back({item, items[i + 1], line});
      ++i;
    } else {
      problems.push_back({line, "the key " + item + " has no value"});
    }
  }
  if (open.size() != 1) problems.push_back({open.back()->line, "the block " + open.back()->name + " is never closed"});
  return root;
}

}  // namespace vendrel::preview
