#include "monster_choice.h"

#include <array>
#include <cmath>

#include "draw_index.h"
#include "number_text.h"
#include "text_case.h"

namespace vendrel {
namespace {

// Option ⌊r × M⌋ + 1 of the first five on the options line; one the line does not
// offer gives an empty value.
std::string DrawOption(RandomSource& random, const MonsterKey& key) {
  const FiveFields fields = SSplit(key.options);
  const std::array<const std::string*, 5> options{&fields.f1, &fields.f2, &fields.f3, &fields.f4,
                                                  &fields.f5};
  random.Randa();
  const double position = std::floor(random.Draw() * key.optionCount);
  if (position < 0 || position >= static_cast<double>(options.size())) return {};
  return *options[static_cast<std::size_t>(position)];
}

}  // namespace

std::optional<PlacedMonster> ChooseMonster(RandomSource& random,
                                           const std::vector<MonsterRecord>& monsters,
                                           int enemyBar, float depth,
                                           std::string_view spawnKind) {
  const double factor = (enemyBar - 5) / 5.0 + 1;
  std::vector<std::size_t> candidates;
  for (std::size_t j = 0; j < monsters.size(); ++j) {
    const MonsterRecord& monster = monsters[j];
    if (monster.depth * factor <= depth &&
        (spawnKind.empty() || spawnKind == ToLowerAscii(monster.kind))) {
      candidates.push_back(j);
    }
  }
  if (candidates.empty()) return std::nullopt;
  random.Randa();
  const MonsterRecord& chosen = monsters[candidates[DrawIndex(random.Draw(), candidates.size())]];
  PlacedMonster placed{chosen.className, {}};
  for (const MonsterKey& key : chosen.keys) placed.keys.emplace_back(key.name, DrawOption(random, key));
  return placed;
}

}  // namespace vendrel
