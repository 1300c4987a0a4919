#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vendrel {

inline constexpr std::size_t kSpawnAlternatives = 6;

// The keys of the entity being scanned that the placeholder expansion reads. A new entity
// does not empty it: a key an entity lacks keeps the value of the last entity that had it.
struct EntityRecord {
  std::string classname;
  std::string angles;
  std::string origin;
  std::string chance;  // has no effect; held so its value is never taken for a key
  std::string spawnwhat;
  std::array<std::string, kSpawnAlternatives> shares;
  std::string nospawnshares;
  std::string targetname;
  std::array<std::string, kSpawnAlternatives> controll;

  // The field a key fills, or nullptr for a key the record does not hold. Exact names.
  std::string* FieldFor(std::string_view key);
  // Empties the spawn controller's fields (the shares, targetname and alternatives).
  void ClearSpawnGroupFields();
};

}  // namespace vendrel
