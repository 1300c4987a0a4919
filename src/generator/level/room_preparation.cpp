#include "room_preparation.h"

#include <cmath>
#include <string>
#include <vector>

#include "id_fixing.h"
#include "map_error.h"
#include "map_format_error.h"
#include "number_text.h"
#include "room_printer.h"
#include "room_trimming.h"
#include "room_value_error.h"
#include "stopwatch.h"

namespace vendrel {
namespace {

[[noreturn]] void RoomFileError(const Engine& engine, const MapFormatError& error) {
  MapError(engine, error.what(), false);
}

// Names the line of the offending item; an item added after reading has none, and then
// only the file is named.
[[noreturn]] void RoomValueFault(const Engine& engine, const std::filesystem::path& roomFile,
                                 const std::vector<std::size_t>& itemLines,
                                 const RoomValueError& error) {
  const MapFormatError located =
      error.Item() < itemLines.size()
          ? MapFormatError(roomFile, itemLines[error.Item()], error.what())
          : MapFormatError(roomFile, error.what());
  RoomFileError(engine, located);
}

void LogBoundaryErrors(const Engine& engine, const TranslationResult& moved, const Vec3& offset) {
  const std::string dif = engine.log.Number(offset.x) + " " + engine.log.Number(offset.y) + " " +
                          engine.log.Number(offset.z);
  for (const std::string& firstPoint : moved.boundaryErrors) {
    engine.log.Log("Boundry Error! (" + firstPoint + ") XYZdif: " + dif, true, true);
  }
  if (moved.aborted) {
    engine.log.Log(
        "BEL reached after " + std::to_string(moved.boundaryErrors.size()) + " Boundry Errors!",
        true, true);
    engine.host.SetStatus("Path out of bounds! Restart in 2...");
  }
}

// Milliseconds to five decimals, the fraction beyond cut off.
std::string StepMilliseconds(const LogService& log, double seconds) {
  return log.Number(std::trunc(seconds * 1e8) / 1e5);
}

void LogBenchmark(const Engine& engine, const RoomTimings& timings) {
  const double total = engine.clock.SecondsSinceMidnight() - timings.start;
  const double steps = static_cast<double>(timings.read) + timings.turn + timings.move +
                       timings.spawn + timings.remove + timings.names + timings.ids + timings.print;
  auto line = [&engine](const std::string& text) { engine.log.Log(text, false, true); };
  line("Benchmark:");
  line("  -=ACTION=-     -=TIME(MS)=-");
  line("Total Time:     " + FormatNumber(std::trunc(total * 1000)));
  line("Read Room:      " + StepMilliseconds(engine.log, timings.read));
  line("Rotate Room:    " + StepMilliseconds(engine.log, timings.turn));
  line("Move Room:      " + StepMilliseconds(engine.log, timings.move));
  line("Spawn Entitys:  " + StepMilliseconds(engine.log, timings.spawn));
  line("Remove Entitys: " + StepMilliseconds(engine.log, timings.remove));
  line("Fix Names:      " + StepMilliseconds(engine.log, timings.names));
  line("Fix Ids:        " + StepMilliseconds(engine.log, timings.ids));
  line("Print Room:     " + StepMilliseconds(engine.log, timings.print));
  line("Others:         " + StepMilliseconds(engine.log, total - steps));
  engine.log.Log("Done!", true);
}

}  // namespace

std::string_view ChooseSpawnKind(RandomSource& random, int enemyMix) {
  const double mix = enemyMix;
  if (random.Bet(std::fabs(std::fabs(mix) - 10) / 100)) return "";
  return random.Bet(mix / 20) ? "c" : "x";
}

GetReadyResult GetReady(const Engine& engine, RoomAssembly& assembly,
                        const std::filesystem::path& roomFilePath, const Vec3& offset, float depth,
                        long long& nextId, int rotations, ConnectorPositions& cellConnectors,
                        const bool& abortRequested) {
  const std::string path = roomFilePath.string();
  engine.log.Log("Starting convertion of room " + path, false, true);
  GetReadyResult result;
  RoomTimings& timings = result.timings;
  timings.start = engine.clock.SecondsSinceMidnight();
  engine.log.Log("Reading Room..." + path, false, true);

  Stopwatch stopwatch(engine.clock);
  stopwatch.StartTimer();
  const RoomBody* read = nullptr;
  try {
    read = &assembly.roomFiles.Read(roomFilePath);
  } catch (const MapFormatError& error) {
    RoomFileError(engine, error);
  }
  const std::vector<std::size_t>& itemLines = read->Lines();
  Items& room = assembly.roomText;
  read->CopyItemsTo(room);
  timings.read = stopwatch.EndTimer();

  const std::string_view spawnKind = ChooseSpawnKind(engine.random, assembly.enemyMix);

  // One walk turns and moves the room, so its time shows as the move's.
  stopwatch.StartTimer();
  TranslationResult moved;
  try {
    moved = TurnAndMove(room, rotations, offset, cellConnectors);
  } catch (const RoomValueError& error) {
    RoomValueFault(engine, roomFilePath, itemLines, error);
  }
  LogBoundaryErrors(engine, moved, offset);
  timings.move = stopwatch.EndTimer();
  if (moved.aborted) {
    result.restartRequested = true;
    return result;
  }
  // An abort pressed during the yields so far: the room is not printed.
  if (abortRequested) {
    result.aborted = true;
    return result;
  }

  Items worldInserts;
  stopwatch.StartTimer();
  try {
    if (assembly.spawnStep) assembly.spawnStep(room, worldInserts, depth, spawnKind);
  } catch (const RoomValueError& error) {
    RoomValueFault(engine, roomFilePath, itemLines, error);
  }
  timings.spawn = stopwatch.EndTimer();

  stopwatch.StartTimer();
  ClearRands(room, assembly.skipLights);
  timings.remove = stopwatch.EndTimer();

  // World inserts print first, so they are named and numbered first: copied brushes and
  // entities get fresh identifiers and the same new names as the rest of their room.
  const auto yield = [&engine] { engine.host.Yield(); };
  stopwatch.StartTimer();
  NameFixer(worldInserts, assembly.names, assembly.nameCounter, yield);
  NameFixer(room, assembly.names, assembly.nameCounter, yield);
  timings.names = stopwatch.EndTimer();

  stopwatch.StartTimer();
  FixIDs(worldInserts, nextId);
  FixIDs(room, nextId);
  timings.ids = stopwatch.EndTimer();
  // The name walk yields; an abort pressed there stops the room as well.
  if (abortRequested) {
    result.aborted = true;
    return result;
  }

  stopwatch.StartTimer();
  PrintRoom(worldInserts, room, assembly.writer, assembly.entityLines);
  timings.print = stopwatch.EndTimer();

  ClearNameList(assembly.names);
  if (engine.log.DetailedStatus()) LogBenchmark(engine, timings);
  return result;
}

}  // namespace vendrel
