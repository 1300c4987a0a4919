#include "rooms_command.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "categorize.h"
#include "clock.h"
#include "engine.h"
#include "left_out_warnings.h"
#include "log_service.h"
#include "map_error.h"
#include "path_text.h"
#include "program_folder.h"
#include "random_source.h"
#include "room_catalogue.h"
#include "terminal_host.h"

namespace vendrel::cli {
namespace {

constexpr const char* kTypeNames[] = {"two way", "turn",      "three way", "crossing",
                                      "alley",   "game start", "game end"};
constexpr char kSideLetters[] = {'N', 'E', 'S', 'W'};

std::string TypeText(const RoomCell& type) {
  const auto code = type.Whole();
  if (code && *code >= 0 && *code <= 6) return std::to_string(*code) + " " + kTypeNames[*code];
  if (code && *code == 29) return "29 blocked by room test";
  return type.text;
}

std::string ConnectorText(const RoomRow& room) {
  std::string text;
  const auto connectors = room.Connectors();
  for (std::size_t side = 0; side < 4; ++side) {
    if (!connectors[side].present) continue;
    if (!text.empty()) text += ' ';
    text += kSideLetters[side];
    text += connectors[side].size >= 0 ? std::to_string(connectors[side].size) : "?";
  }
  return text.empty() ? "-" : text;
}

int ListRooms(const std::filesystem::path& roomsFolder) {
  TerminalHost host(true, true);
  SystemClock clock;
  RandomSource random(clock);
  const std::filesystem::path programFolder = ProgramFolder();
  LogService log(host, clock, programFolder);
  log.SetLogEnabled(false);
  const Engine engine{host, clock, random, log, programFolder};
  try {
    const RoomTable table = Categorize(engine, roomsFolder);
    PrintLeftOutRooms(table);
    std::printf("%-28s %-28s %5s  %-16s %s\n", "FILE", "NAME", "GENRE", "TYPE", "CONNECTORS");
    for (const RoomRow& room : table.rows) {
      std::string connectors = ConnectorText(room);
      if (const std::string why = RoomUnfitness(room); !why.empty()) {
        connectors += "  (unusable, never chosen: " + why + ")";
      }
      std::printf("%-28s %-28s %5s  %-16s %s\n", ToRight(room[kPathColumn].text).text.c_str(),
                  room[kNameColumn].text.c_str(), room[kGenreColumn].text.c_str(),
                  TypeText(room[kTypeColumn]).c_str(), connectors.c_str());
    }
    std::printf("%zu rooms in %s\n", table.RoomCount(), roomsFolder.string().c_str());
    return 0;
  } catch (const MapErrorExit& error) {
    std::cerr << "vendrel-cli rooms: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddRoomsCommand(CLI::App& app, int& exitStatus) {
  auto* command = app.add_subcommand("rooms", "List the room library: file, name, genre, type, connectors.");
  auto folder = std::make_shared<std::string>();
  command->add_option("--rooms", *folder, "the room library folder (default: rooms beside the program)");
  command->callback([folder, &exitStatus] {
    exitStatus = ListRooms(folder->empty() ? RoomsFolder(ProgramFolder()) : std::filesystem::path(*folder));
  });
}

}  // namespace vendrel::cli
