// A designer's map is deployed or refused; a deployed room file reads back whole and makes
// a sound level.
#include <cstdint>
#include <string_view>

#include "deployment.h"
#include "fuzz_input.h"
#include "fuzz_seams.h"
#include "level_shape.h"
#include "map_format_error.h"
#include "room_file.h"

namespace {

class NoDisplay final : public vendrel::roomkit::KitDisplay {
 public:
  void Show(vendrel::roomkit::KitField, std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vendrel;
  static const auto folder = fuzz::FuzzFolder("deployment");
  const auto mapFile = folder / "room.vmf";
  const auto roomsFolder = folder / "rooms";
  fuzz::WriteInput(mapFile, data, size);
  std::filesystem::remove_all(roomsFolder);

  fuzz::FuzzSeams seams;
  NoDisplay display;
  const roomkit::Kit kit{seams.host, display, seams.random, roomsFolder};
  const roomkit::DeployResult result = roomkit::DeployRoom(kit, mapFile);
  if (result.outcome != roomkit::DeployOutcome::Deployed) return 0;
  try {
    ReadRoomHeader(result.roomFile);
    if (const auto fault = fuzz::RoomBodyFault(ReadRoomBody(result.roomFile)); !fault.empty()) {
      fuzz::Finding("deployed a room whose body " + fault);
    }
  } catch (const MapFormatError& error) {
    fuzz::Finding(std::string("deployed a room that cannot be read back: ") + error.what());
  }
  return 0;
}
