#include "level_light.h"

#include <cmath>

#include "number_text.h"
#include "spawn_entity.h"

namespace vendrel {
namespace {

struct LightSetting {
  std::string angles;
  std::string colour;  // red, green and blue separated by blanks
  std::string sunSize;
};

int Scaled(double elevation, double full, double span) {
  return static_cast<int>(std::floor(elevation * full / span));
}

LightSetting ChooseLight(const SunValues& sun, bool skipLights) {
  if (skipLights || sun.sunElevation < 0) {
    const std::string brightness = FormatNumber(sun.moonLight * 100.0);
    return {"-55 194 0", brightness + " " + brightness + " " + brightness, "8"};
  }
  const SunColour colour = SunColourAt(sun.sunElevation);
  return {SunAnglesText(sun.sunElevation, sun.sunAzimuth),
          std::to_string(colour.red) + " " + std::to_string(colour.green) + " " +
              std::to_string(colour.blue),
          "16"};
}

}  // namespace

SunColour SunColourAt(double elevation) {
  SunColour colour;
  colour.red = elevation < 10 ? Scaled(elevation, 191, 10) + 64 : 255;
  colour.green = elevation < 20 ? Scaled(elevation, 191, 20) + 64 : 255;
  colour.blue = elevation < 10 ? 0 : elevation < 35 ? Scaled(elevation, 255, 35) : 255;
  return colour;
}

std::string SunAnglesText(double elevation, double azimuth) {
  // nearbyint rounds halves to the even neighbour.
  return FormatNumber(std::nearbyint(-elevation)) + " " + FormatNumber(std::nearbyint(azimuth)) +
         " 0";
}

void AppendLightAndSun(Items& room, const SunValues& sun, bool skipLights,
                       std::string_view origin) {
  const LightSetting light = ChooseLight(sun, skipLights);
  const std::string originText(origin);
  AppendEntity(room, "light_environment",
               {{"angles", light.angles},
                {"_light", light.colour + " 200"},
                {"_ambient", light.colour + " 20"},
                {"origin", originText}});
  AppendEntity(room, "env_sun",
               {{"angles", light.angles},
                {"rendercolor", light.colour + " 200"},
                {"size", light.sunSize},
                {"origin", originText}});
}

}  // namespace vendrel
