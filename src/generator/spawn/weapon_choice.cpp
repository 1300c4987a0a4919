#include "weapon_choice.h"

#include "draw_index.h"
#include "map_error.h"

namespace vendrel {

std::string ChooseWeapon(const Engine& engine, const std::vector<WeaponRecord>& weapons,
                         WeaponsGiven& weaponsGiven, int newWeaponsBar, float depth) {
  if (weapons.empty()) {
    MapError(engine, "No weapons in weapons library!", true,
             "No weapons found in the weapons library while creating rand_weapon entity!");
  }
  const double factor = (newWeaponsBar - 5) / 10.0 + 1;
  std::vector<std::size_t> handedOut;
  for (std::size_t j = 0; j < weapons.size(); ++j) {
    if (weaponsGiven.Has(j)) {
      handedOut.push_back(j);
    } else if (weapons[j].depth / 100 * factor < depth) {
      weaponsGiven.Mark(j);
      return weapons[j].className;
    }
  }
  engine.random.Randa();
  const double r = engine.random.Draw();
  if (!handedOut.empty()) return weapons[handedOut[DrawIndex(r, handedOut.size())]].className;
  return weapons[DrawIndex(r, weapons.size())].className;
}

std::string ChooseAmmunition(const Engine& engine, const std::vector<WeaponRecord>& weapons,
                             const WeaponsGiven& weaponsGiven, bool open) {
  bool retry = false;
  for (;;) {
    std::vector<std::size_t> candidates;
    for (std::size_t j = 0; j < weapons.size(); ++j) {
      if (!weapons[j].ammunition1.empty() && (weaponsGiven.Has(j) || retry || open)) {
        candidates.push_back(j);
      }
    }
    engine.random.Randa();
    if (!candidates.empty()) {
      const double r = engine.random.Draw();
      return weapons[candidates[DrawIndex(r, candidates.size())]].ammunition1;
    }
    if (retry) MapError(engine, "No Valid Ammunition!", false);
    retry = true;
  }
}

}  // namespace vendrel
