#pragma once

#include <string>
#include <vector>

#include "engine.h"
#include "spawn_data.h"
#include "weapons_given.h"

namespace vendrel {

// The weapon a weapon placeholder becomes: the first weapon in file order that the level
// has not handed out yet once the room lies deep enough for it (scaled by the new weapons
// setting), else one handed out before, else any. Ends the run when the file has none.
std::string ChooseWeapon(const Engine& engine, const std::vector<WeaponRecord>& weapons,
                         WeaponsGiven& weaponsGiven, int newWeaponsBar, float depth);

// The ammunition an ammunition placeholder becomes: for a weapon handed out before, or for
// any weapon when the choice is open or no weapon handed out has ammunition. Ends the run
// when no weapon names an ammunition.
std::string ChooseAmmunition(const Engine& engine, const std::vector<WeaponRecord>& weapons,
                             const WeaponsGiven& weaponsGiven, bool open);

}  // namespace vendrel
