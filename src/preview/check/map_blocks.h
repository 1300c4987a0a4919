#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::preview {

// A whole number such as an identifier; nothing for other text, fractions and numbers
// too large to count with.
std::optional<long long> ParseWhole(std::string_view text);

// A map file as items, each with the line it stands on.
struct LinedItems {
  std::vector<std::string> items;
  std::vector<std::size_t> lines;
};

// Reads every item of a file; throws MapFormatError when it cannot be opened.
LinedItems ReadLinedItems(const std::filesystem::path& file);

struct MapKey {
  std::string key;
  std::string value;
  std::size_t line = 0;
};

// One block of map text ("world", "solid", "side", "entity", "connections" ...) with its
// own keys and the blocks inside it, in file order.
struct MapBlock {
  std::string name;
  std::size_t line = 0;
  std::vector<MapKey> keys;
  std::vector<MapBlock> children;

  const std::string* Key(std::string_view key) const;
  std::optional<long long> Id() const;
};

// A fault in the block structure itself.
struct BlockProblem {
  std::size_t line = 0;
  std::string text;
};

// Block structure of items: a name followed by "{" opens a block, "}" closes it, any other
// item is a key whose value is the next item. Faults go to `problems`; parsing goes on.
MapBlock ParseBlocks(const LinedItems& items, std::vector<BlockProblem>& problems);

}  // namespace vendrel::preview
