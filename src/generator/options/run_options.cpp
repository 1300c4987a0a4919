#include "run_options.h"

#include <array>

namespace vendrel {

std::span<const GaugeSetting> RunGauges() {
  static constexpr std::array<GaugeSetting, 6> kGauges{{
      {"MapSizeBar", "size", &RunOptions::mapSize, 5, 35, 20, " rooms", 1, {192, 0, 192},
       {128, 255, 255}, "rooms per level"},
      {"DifficulcyBar", "difficulty", &RunOptions::difficulty, 1, 3, 2, "", 0, {128, 0, 128},
       {192, 192, 0}, "the game's skill level"},
      {"EnemyBar", "enemies", &RunOptions::enemies, 0, 10, 5, "", 0, {0, 255, 255},
       {128, 0, 128}, "how many monsters"},
      {"AlienCombineBar", "enemy-mix", &RunOptions::enemyMix, 0, 20, 10, "", 1, {255, 128, 128},
       {0, 0, 255}, "balance of the two enemy kinds"},
      {"WeaponAmmoBar", "ammo", &RunOptions::weaponAmmo, 0, 10, 5, "0 %", 0, {255, 255, 0},
       {255, 128, 0}, "weapon ammunition"},
      {"NewWeaponsBar", "new-weapons", &RunOptions::newWeapons, 0, 10, 5, "0 %", 0,
       {255, 255, 0}, {255, 128, 0}, "how soon new weapons appear"},
  }};
  return kGauges;
}

std::span<const CheckSetting> RunChecks() {
  static constexpr std::array<CheckSetting, 7> kChecks{{
      {"AAR", "all-weapons", &RunOptions::allWeapons, "Armed and Ready       (All Weapons)", false},
      {"SH", "no-monsters", &RunOptions::noMonsters, "Silent Halls              (No Mosters)",
       false},
      {"FP", "skip-lights", &RunOptions::skipLights, "Flashlight Power!      (Skip Lights)",
       false},
      {"RunMapCheck", "run-map", &RunOptions::runMapAfterCompile,
       "Start cindr and run map automaticly after compile", true},
      {"DetStatus", "detailed", &RunOptions::detailedStatus, "Show More Detailed Status", false},
      {"LogFile", "log", &RunOptions::writeLog, "Write Log File", true},
      {"RCUnhidden", "unhidden", &RunOptions::runCompilerUnhidden,
       "Advanced users only: Run compiler unhidden", false},
  }};
  return kChecks;
}

std::span<const GaugeSetting> TimeGauges() {
  static constexpr std::array<GaugeSetting, 2> kGauges{{
      {"ClockBar", "clock", &RunOptions::clockBar, 0, 48, 24, "", 0, {255, 0, 0}, {255, 255, 0},
       "time of day in half hours (24 is noon)"},
      {"MoonBar", "moon", &RunOptions::moonBar, 1, 5, 3, "", 1, {255, 0, 0}, {255, 255, 0},
       "moon phase (1 new moon, 5 full moon)"},
  }};
  return kGauges;
}

std::span<const std::string_view> SeasonNames() {
  static constexpr std::array<std::string_view, 4> kSeasons{"Summer", "Autumn", "Winter",
                                                            "Spring"};
  return kSeasons;
}

const ChoiceSetting& SeasonSetting() {
  static const ChoiceSetting kSeason{"Combo2", "season", &RunOptions::season, SeasonNames(), 3,
                                     "N Hemisphere Season:",
                                     "northern season (0 Summer, 1 Autumn, 2 Winter, 3 Spring)"};
  return kSeason;
}

const RangeSetting& LatitudeSetting() {
  static constexpr RangeSetting kLatitude{"Picture1", "latitude", &RunOptions::latitude, -50, 90,
                                          0, "latitude in degrees, north positive"};
  return kLatitude;
}

void SetRandomizedOptions(RandomSource& random, RunOptions& options) {
  random.Randa();
  auto whole = [&random](double scale, double offset) {
    return static_cast<int>(random.Draw() * scale + offset);
  };
  options.mapSize = whole(30, 5);
  options.enemies = whole(11, 0);
  options.weaponAmmo = whole(11, 0);
  options.difficulty = whole(3, 1);
  options.enemyMix = whole(21, 0);
  options.newWeapons = whole(11, 0);
}

namespace {

void CheckRange(std::string& problems, std::string_view name, int value, int min, int max) {
  if (value < min || value > max) {
    problems += std::string(name) + " must be from " + std::to_string(min) + " to " +
                std::to_string(max) + ", not " + std::to_string(value) + ".\n";
  }
}

}  // namespace

std::string ValidateRunOptions(const RunOptions& options) {
  std::string problems;
  for (const auto gauges : {RunGauges(), TimeGauges()}) {
    for (const GaugeSetting& gauge : gauges) {
      CheckRange(problems, gauge.name, options.*gauge.field, gauge.min, gauge.max);
    }
  }
  const ChoiceSetting& season = SeasonSetting();
  CheckRange(problems, "The season", options.*season.field, 0,
             static_cast<int>(season.items.size()) - 1);
  const RangeSetting& latitude = LatitudeSetting();
  CheckRange(problems, "The latitude", options.*latitude.field, latitude.min, latitude.max);
  if (options.genre < 0 || options.genre > 4) {
    problems += "The genre must be from 0 to 4, not " + std::to_string(options.genre) + ".\n";
  }
  if (options.seedMode == SeedMode::Custom) {
    const ParsedSeed seed = ParseCustomSeed(options.customSeedText);
    if (!seed.value) problems += seed.problem + "\n";
  }
  return problems;
}

void ApplySeed(const RunOptions& options, RandomSource& random) {
  const ParsedSeed seed = ParseCustomSeed(options.customSeedText);
  random.SetSeedMode(options.seedMode, seed.value.value_or(0));
}

}  // namespace vendrel
