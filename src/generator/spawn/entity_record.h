#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vendrel {

inline constexpr std::size_t kSpawnAlternatives = 6;

// A key's value and its position in the room text, so a bad value can be located.
struct RecordValue {
  std::string text;
  std::size_t item = 0;
};

// The keys of the entity being scanned that the placeholder expansion reads. A new entity
// does not empty it: a key an entity lacks keeps the value of the last entity that had it.
struct EntityRecord {
  RecordValue classname;
  RecordValue angles;
  RecordValue origin;
  RecordValue chance;  // has no effect; held so its value is never taken for a key
  RecordValue spawnwhat;
  std::array<RecordValue, kSpawnAlternatives> shares;
  RecordValue nospawnshares;
  RecordValue targetname;
  std::array<RecordValue, kSpawnAlternatives> controll;

  // The field a key fills, or nullptr for a key the record does not hold. Exact names.
  RecordValue* FieldFor(std::string_view key);
  // Empties the spawn controller's fields (the shares, targetname and alternatives).
  void ClearSpawnGroupFields();
};

}  // namespace vendrel
