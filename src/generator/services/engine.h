#pragma once

#include <filesystem>

#include "clock.h"
#include "host.h"
#include "log_service.h"
#include "random_source.h"

namespace vendrel {

// The services every stage of the engine reports through and draws from.
struct Engine {
  Host& host;
  const Clock& clock;
  RandomSource& random;
  LogService& log;
  std::filesystem::path programFolder;
};

}  // namespace vendrel
