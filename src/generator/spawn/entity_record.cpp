#include "entity_record.h"

namespace vendrel {
namespace {

// The digit 1 to 6 after a prefix ("shares3"), as an index from 0; -1 otherwise.
int AlternativeIndex(std::string_view key, std::string_view prefix) {
  if (key.size() != prefix.size() + 1 || !key.starts_with(prefix)) return -1;
  const char digit = key.back();
  return digit >= '1' && digit <= '6' ? digit - '1' : -1;
}

}  // namespace

RecordValue* EntityRecord::FieldFor(std::string_view key) {
  if (key == "classname") return &classname;
  if (key == "angles") return &angles;
  if (key == "origin") return &origin;
  if (key == "chance") return &chance;
  if (key == "spawnwhat") return &spawnwhat;
  if (key == "nospawnshares") return &nospawnshares;
  if (key == "targetname") return &targetname;
  if (const int k = AlternativeIndex(key, "shares"); k >= 0) return &shares[static_cast<std::size_t>(k)];
  if (const int k = AlternativeIndex(key, "controll"); k >= 0) return &controll[static_cast<std::size_t>(k)];
  return nullptr;
}

void EntityRecord::ClearSpawnGroupFields() {
  shares = {};
  nospawnshares = {};
  targetname = {};
  controll = {};
}

}  // namespace vendrel
