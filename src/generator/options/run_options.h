#pragma once

#include <span>
#include <string>
#include <string_view>

#include "random_source.h"
#include "rgb.h"

namespace vendrel {

// The player's choices for a generation run, at their start values.
struct RunOptions {
  int mapSize = 20;
  int difficulty = 2;
  int enemies = 5;
  int enemyMix = 10;
  int weaponAmmo = 5;
  int newWeapons = 5;
  int genre = 0;

  bool allWeapons = false;
  bool noMonsters = false;
  bool skipLights = false;
  bool runMapAfterCompile = true;
  bool detailedStatus = false;
  bool writeLog = true;
  bool runCompilerUnhidden = false;

  SeedMode seedMode = SeedMode::Clock;
  std::string customSeedText = "0";

  // Time of day: half hours since midnight, moon phase step, northern season (an index
  // into SeasonNames()), latitude in whole degrees, north positive.
  int clockBar = 24;
  int moonBar = 3;
  int season = 3;
  int latitude = 0;
};

// A gauge setting, declared once for the windows and the command line alike.
struct GaugeSetting {
  std::string_view name;     // the control's name
  std::string_view flag;     // the command line's name
  int RunOptions::*field;
  int min, max, start;
  std::string_view suffix;   // the label text after the value
  int barType;               // 0 bar, 1 position marker
  Rgb barColour, secondColour;
  std::string_view help;
};

// A whole-number setting chosen some other way than by a gauge.
struct RangeSetting {
  std::string_view name;
  std::string_view flag;
  int RunOptions::*field;
  int min, max, start;
  std::string_view help;
};

// A drop-down list; the field holds the selected index.
struct ChoiceSetting {
  std::string_view name;
  std::string_view flag;
  int RunOptions::*field;
  std::span<const std::string_view> items;
  int start;
  std::string_view label;
  std::string_view help;
};

struct CheckSetting {
  std::string_view name;
  std::string_view flag;
  bool RunOptions::*field;
  std::string_view caption;
  bool startTicked;
};

std::span<const GaugeSetting> RunGauges();
std::span<const CheckSetting> RunChecks();

// The time of day settings: the clock and moon gauges, the season list and the latitude
// that the world map picks.
std::span<const GaugeSetting> TimeGauges();
std::span<const std::string_view> SeasonNames();
const ChoiceSetting& SeasonSetting();
const RangeSetting& LatitudeSetting();

// "Set Randomized Options": one Randa, then a fresh draw for each gauge in turn.
void SetRandomizedOptions(RandomSource& random, RunOptions& options);

// The problems that keep a run from starting (out-of-range values, a bad custom seed),
// empty when there is none.
std::string ValidateRunOptions(const RunOptions& options);

// Applies the seed settings to the random source; call after ValidateRunOptions.
void ApplySeed(const RunOptions& options, RandomSource& random);

}  // namespace vendrel
