#include "deploy_failure.h"

#include <new>
#include <stdexcept>
#include <system_error>

#include "error_log.h"
#include "map_fault.h"
#include "map_format_error.h"
#include "number_text.h"

namespace vendrel::roomkit {
namespace {

std::string InternalError(const std::string& detail, const std::filesystem::path& kitFolder) {
  WriteErrorLog(kitFolder, "Deployment: " + detail);
  return "An internal error stopped the deployment (" + detail + "). errorlog.txt has been written in " +
         kitFolder.string() + ".";
}

}  // namespace

std::string DeployFailureText(const std::exception_ptr& failure, const std::filesystem::path& kitFolder) {
  try {
    std::rethrow_exception(failure);
  } catch (const RoomFault& fault) {
    return fault.what();
  } catch (const MapFormatError& error) {
    return std::string("Your map file couldn't be read: ") + error.what();
  } catch (const NumberTextError& error) {
    return std::string("A value of your map where a number belongs is not one: ") + error.what();
  } catch (const std::system_error& error) {
    return std::string("A file couldn't be read or written: ") + error.what();
  } catch (const std::bad_alloc&) {
    return "There is not enough memory to deploy this room.";
  } catch (const std::exception& error) {
    return InternalError(error.what(), kitFolder);
  } catch (...) {
    return InternalError("an unknown failure", kitFolder);
  }
}

}  // namespace vendrel::roomkit
