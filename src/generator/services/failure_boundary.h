#pragma once

#include <exception>
#include <string_view>
#include <utility>

#include "engine.h"
#include "map_error.h"

namespace vendrel {

// Reports a failure that did not come through MapError: a bad file, the disk or memory
// ends the run with its own message; anything else is a fault of the program and goes the
// fatal way, so "errorlog.txt" holds where it happened and what it was.
[[noreturn]] void ReportFailure(const Engine& engine, std::string_view where,
                                const std::exception_ptr& failure);

// The one way out of an engine entry point: whatever fails inside `step` leaves as
// MapErrorExit, so no front end ever sees another exception.
template <class Step>
decltype(auto) WithinMapError(const Engine& engine, std::string_view where, Step&& step) {
  try {
    return std::forward<Step>(step)();
  } catch (const MapErrorExit&) {
    throw;
  } catch (...) {
    ReportFailure(engine, where, std::current_exception());
  }
}

}  // namespace vendrel
