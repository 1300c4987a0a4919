#include "rooms_command.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "categorize.h"
#include "clock.h"
#include "engine.h"
#include "left_out_warnings.h"
#include "log_service.h"
#include "map_error.h"
#include "path_text.h"
#include "random_source.h"
#include "room_catalogue.h"
#include "room_coverage.h"
#include "terminal_host.h"
#include "writing_folder.h"

namespace vendrel::cli {
namespace {

constexpr char kSideLetters[] = {'N', 'E', 'S', 'W'};

std::string TypeText(const RoomCell& type) {
  const auto code = type.Whole();
  if (code && !RoomTypeName(*code).empty()) return std::to_string(*code) + " " + RoomTypeName(*code);
  if (code && *code == kBlockedTypeCode) return "29 blocked by room test";
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

std::string FileSize(const RoomRow& room) {
  std::error_code error;
  const auto bytes = std::filesystem::file_size(room.File(), error);
  return error ? "?" : std::to_string(bytes);
}

// The genre asked for, or every genre the library's rooms name.
std::vector<long long> CoveredGenres(const RoomTable& table, std::optional<long long> genre) {
  if (genre) return {*genre};
  std::set<long long> genres;
  for (const RoomRow& room : table.rows) {
    if (const auto found = room[kGenreColumn].Whole(); found && room.unreadable.empty()) genres.insert(*found);
  }
  if (genres.empty()) genres.insert(0);
  return {genres.begin(), genres.end()};
}

void PrintRooms(const RoomTable& table, const std::filesystem::path& roomsFolder,
                std::optional<long long> genre) {
  std::printf("%-28s %-28s %-16s %5s  %-14s %-16s %7s\n", "FILE", "NAME", "TYPE", "GENRE",
              "CONNECTORS", "AUTHOR", "BYTES");
  std::size_t listed = 0;
  for (const RoomRow& room : table.rows) {
    if (genre && room[kGenreColumn].Whole() != genre) continue;
    ++listed;
    std::printf("%-28s %-28s %-16s %5s  %-14s %-16s %7s", ToRight(room[kPathColumn].text).text.c_str(),
                room[kNameColumn].text.c_str(), TypeText(room[kTypeColumn]).c_str(),
                room[kGenreColumn].text.c_str(), ConnectorText(room).c_str(),
                room[kAuthorColumn].text.c_str(), FileSize(room).c_str());
    if (const std::string why = RoomUnfitness(room); !why.empty()) {
      std::printf("  (unusable, never chosen: %s)", why.c_str());
    }
    std::printf("\n");
  }
  std::printf("%zu rooms in %s\n", listed, roomsFolder.string().c_str());
}

int ListRooms(const std::string& roomsOption, std::optional<long long> genre) {
  TerminalHost host(true, true);
  SystemClock clock;
  RandomSource random(clock);
  const std::optional<std::filesystem::path> writingFolder = WritingFolder();
  if (!writingFolder) return 1;
  const std::filesystem::path& programFolder = *writingFolder;
  const std::filesystem::path roomsFolder =
      roomsOption.empty() ? RoomsFolder(programFolder) : std::filesystem::path(roomsOption);
  LogService log(host, clock, programFolder);
  log.SetLogEnabled(false);
  const Engine engine{host, clock, random, log, programFolder};
  try {
    const RoomTable table = Categorize(engine, roomsFolder);
    PrintLeftOutRooms(table);
    PrintRooms(table, roomsFolder, genre);
    for (const long long covered : CoveredGenres(table, genre)) {
      std::printf("\n%s", CoverageTableText(CoverageOf(table, covered)).c_str());
    }
    return 0;
  } catch (const MapErrorExit& error) {
    std::cerr << "vendrel-cli rooms: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddRoomsCommand(CLI::App& app, int& exitStatus) {
  auto* command = app.add_subcommand(
      "rooms",
      "List the room library (file, name, type, genre, connectors, author, size) and what each "
      "genre's runs can ask of it against the rooms that fit.");
  auto folder = std::make_shared<std::string>();
  auto genre = std::make_shared<std::optional<long long>>();
  command->add_option("--rooms", *folder, "the room library folder (default: rooms beside the program)");
  command->add_option("--genre", *genre, "only this genre's rooms and coverage (default: every genre)");
  command->callback([folder, genre, &exitStatus] {
    exitStatus = ListRooms(*folder, *genre);
  });
}

}  // namespace vendrel::cli
