#include "setting_controls.h"

#include <array>
#include <utility>

#include "dialogs.h"
#include "gauge_keys.h"

namespace vendrel::generator_ui {
namespace {

QColor ToColour(const Rgb& rgb) { return {rgb.red, rgb.green, rgb.blue}; }

}  // namespace

QString GaugeCaption(std::string_view gaugeName) {
  static constexpr std::array<std::pair<std::string_view, const char*>, 8> kCaptions{{
      {"MapSizeBar", "Map Size:"},
      {"DifficulcyBar", "Difficulty:"},
      {"EnemyBar", "Enemies:"},
      {"AlienCombineBar", "Aliens / Combine:"},
      {"WeaponAmmoBar", "Weapon Ammo:"},
      {"NewWeaponsBar", "New Weapons:"},
      {"ClockBar", "Time:"},
      {"MoonBar", "Moon:"},
  }};
  for (const auto& [name, caption] : kCaptions) {
    if (name == gaugeName) return caption;
  }
  return FromEngineText(gaugeName);
}

Gradomat* MakeGauge(const GaugeSetting& setting, QWidget* parent) {
  auto* gauge = new Gradomat(parent);
  gauge->setObjectName(FromEngineText(setting.name));
  gauge->setAccessibleName(GaugeCaption(setting.name));
  // Min last: it shows the value at once, where a new value would glide up from 0.
  gauge->SetMax(setting.max);
  gauge->SetValue(setting.start);
  gauge->SetMin(setting.min);
  gauge->SetLabelAdd(FromEngineText(setting.suffix));
  gauge->SetShowLabel(true);
  gauge->SetBarType(static_cast<Gradomat::BAR_TYPE_CONSTANTS>(setting.barType));
  gauge->SetForeColor(ToColour(setting.barColour));
  gauge->SetSecondForeColor(ToColour(setting.secondColour));
  gauge->setMinimumSize(160, 22);
  gauge->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  new GaugeKeys(*gauge);
  return gauge;
}

QCheckBox* MakeCheck(const CheckSetting& setting, QWidget* parent) {
  auto* box = new QCheckBox(FromEngineText(setting.caption), parent);
  box->setObjectName(FromEngineText(setting.name));
  box->setAccessibleName(box->text());
  box->setChecked(setting.startTicked);
  return box;
}

}  // namespace vendrel::generator_ui
