#include "failure_boundary.h"

#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "map_format_error.h"
#include "number_text.h"
#include "room_value_error.h"

namespace vendrel {

void ReportFailure(const Engine& engine, std::string_view where,
                   const std::exception_ptr& failure) {
  const std::string in(where);
  std::string detail;
  try {
    std::rethrow_exception(failure);
  } catch (const MapFormatError& error) {
    MapError(engine, error.what(), false);
  } catch (const NumberTextError& error) {
    MapError(engine, in + ": " + error.what() + ", where the map text needs one", false);
  } catch (const RoomValueError& error) {
    MapError(engine, in + ": in a room, " + error.what(), false);
  } catch (const std::system_error& error) {
    MapError(engine, in + ": a file could not be read or written: " + error.what(), false);
  } catch (const std::bad_alloc&) {
    MapError(engine, in + ": there is not enough memory to go on.", false);
  } catch (const std::exception& error) {
    detail = in + ": " + error.what();
  } catch (...) {
    detail = in + ": an unknown failure";
  }
  // Only a fault of the program gets here; the detail is for its maintainer.
  MapError(engine, "An internal error stopped the work in " + detail, true, detail);
}

}  // namespace vendrel
