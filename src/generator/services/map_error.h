#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "engine.h"

namespace vendrel {

// Unwinds to the front end, which ends the program (or exits non-zero) on catching it.
class MapErrorExit : public std::runtime_error {
 public:
  MapErrorExit(std::string message, bool fatal);
  bool Fatal() const { return fatal_; }

 private:
  bool fatal_;
};

inline constexpr std::string_view kMaintainerAddress = "bugs@vendrel.dev";

// Logs and shows the error, writes "errorlog.txt" when it is fatal with a detail text,
// says the program ends, and throws MapErrorExit. Never returns.
[[noreturn]] void MapError(const Engine& engine, std::string_view errMsg, bool fatal,
                           std::string_view fatalMsg = {});

}  // namespace vendrel
