// The tokenizer over text in memory and streamed from a file must agree item for item.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "item_tokenizer.h"

namespace {

struct Item {
  std::string text;
  std::size_t line;
  bool operator==(const Item&) const = default;
};

std::vector<Item> Items(vendrel::ItemTokenizer& tokenizer) {
  std::vector<Item> items;
  std::string_view item;
  std::size_t lastLine = 0;
  while (tokenizer.Next(item)) {
    if (tokenizer.Line() < lastLine) vendrel::fuzz::Finding("line numbers go backwards");
    lastLine = tokenizer.Line();
    if (item.find('\n') != std::string_view::npos) vendrel::fuzz::Finding("an item spans lines");
    items.push_back({std::string(item), tokenizer.Line()});
  }
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto file = vendrel::fuzz::FuzzFolder("tokenizer") / "input.txt";
  vendrel::fuzz::WriteInput(file, data, size);
  vendrel::ItemTokenizer inMemory(std::string_view(reinterpret_cast<const char*>(data), size));
  vendrel::ItemTokenizer streamed(file);
  if (Items(inMemory) != Items(streamed)) vendrel::fuzz::Finding("text and file read differently");
  return 0;
}
