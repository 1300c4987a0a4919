// A room file is prepared for a level or refused through MapError; a prepared room prints
// rows whose blocks balance.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "fuzz_seams.h"
#include "level_shape.h"
#include "log_service.h"
#include "map_error.h"
#include "room_preparation.h"

namespace {

std::vector<std::string> Rows(const std::filesystem::path& file) {
  std::vector<std::string> rows;
  std::ifstream in(file, std::ios::binary);
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vendrel;
  static const auto folder = fuzz::FuzzFolder("room_preparation");
  const auto roomFile = folder / "room.rgr";
  const auto workingFile = folder / "temp.dta";
  fuzz::WriteInput(roomFile, data, size);
  std::filesystem::remove(workingFile);

  fuzz::FuzzSeams seams;
  LogService log(seams.host, seams.clock, folder);
  log.SetLogEnabled(false);
  const Engine engine{seams.host, seams.clock, seams.random, log, folder};

  Items entityLines;
  LevelWriter writer(workingFile);
  RoomAssembly assembly(writer, entityLines, [](Items&, Items&, double, std::string_view) {}, 10,
                        false);
  long long nextId = 2;
  ConnectorPositions connectors{};
  const int rotations = static_cast<int>(size % 4);
  const bool abortRequested = false;
  try {
    GetReady(engine, assembly, roomFile, Vec3{256, -512, 64}, 1.5, nextId, rotations, connectors,
             abortRequested);
  } catch (const MapErrorExit&) {
    return 0;
  }
  writer.Close();
  if (const auto fault = fuzz::LevelRowsFault(Rows(workingFile)); !fault.empty()) {
    fuzz::Finding("the room's world rows: " + fault);
  }
  if (const auto fault = fuzz::LevelRowsFault(entityLines); !fault.empty()) {
    fuzz::Finding("the room's entity rows: " + fault);
  }
  return 0;
}
