// Each spawn data reader reads or refuses; no text it keeps holds a control byte, which
// would reach the level file inside a key or value.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "fuzz_input.h"
#include "map_format_error.h"
#include "spawn_data.h"

namespace {

void CheckText(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 32) vendrel::fuzz::Finding("a control byte was kept");
  }
}

template <typename Read, typename Check>
void ReadOrRefuse(const std::filesystem::path& file, Read read, Check check) {
  try {
    for (const auto& record : read(file)) check(record);
  } catch (const vendrel::MapFormatError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto file = vendrel::fuzz::FuzzFolder("spawn_data") / "data.ini";
  vendrel::fuzz::WriteInput(file, data, size);
  ReadOrRefuse(file, vendrel::ReadItemData,
               [](const vendrel::ItemRecord& item) { CheckText(item.name); });
  ReadOrRefuse(file, vendrel::ReadGunData, [](const vendrel::WeaponRecord& weapon) {
    for (const auto* text : {&weapon.className, &weapon.ammunition1, &weapon.ammunition2,
                             &weapon.ammunition3}) {
      CheckText(*text);
    }
  });
  ReadOrRefuse(file, vendrel::ReadNpcData, [](const vendrel::MonsterRecord& monster) {
    CheckText(monster.className);
    CheckText(monster.kind);
    for (const auto& key : monster.keys) {
      CheckText(key.name);
      CheckText(key.options);
    }
  });
  return 0;
}
