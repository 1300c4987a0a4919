#include "deployment.h"

#include <string_view>
#include <system_error>

#include "brush_rules.h"
#include "deploy_failure.h"
#include "header_connectors.h"
#include "id_fixing.h"
#include "map_fault.h"
#include "map_file_size.h"
#include "map_items.h"
#include "name_letters.h"
#include "room_file.h"
#include "room_rotation.h"
#include "room_scan.h"
#include "room_type.h"
#include "room_value_error.h"

namespace vendrel::roomkit {
namespace {

constexpr std::string_view kCommentsTitle = "Comments";
constexpr std::string_view kCommentsPrompt = "Add comments?";
constexpr std::string_view kCommentsDefault = "Mega room, made By Quorl. Hello world!";
constexpr std::string_view kAuthorTitle = "Your Name";
constexpr std::string_view kAuthorPrompt = "Your Name or Nickname: (No Comments!)";
constexpr std::string_view kAuthorDefault = "Quorl the Godlike";

std::string Bytes(std::uintmax_t size) { return std::to_string(size) + " bytes"; }

void ShowStart(const Kit& kit) {
  for (const KitField field : kAllKitFields) kit.display.Show(field, "");
  kit.host.SetProgress(0);
}

void ShowMapFileSize(const Kit& kit, const std::filesystem::path& mapFile) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(mapFile, error);
  if (error) {
    throw RoomFault("Your map file couldn't be read: " + mapFile.string() + ": " + error.message());
  }
  kit.display.Show(KitField::MapFileSize, Bytes(size));
  RefuseOversizedRoomMap(mapFile, size);
}

void ShowCounts(const Kit& kit, const RoomScan& scan) {
  kit.display.Show(KitField::Connections, std::to_string(scan.connectors));
  kit.display.Show(KitField::Solids, std::to_string(scan.solids));
  kit.display.Show(KitField::Entities, std::to_string(scan.entities));
  kit.display.Show(KitField::Sides, std::to_string(scan.sides));
}

// The checks after the scan, in their fixed order. Returns the turn count.
int CheckRoom(const Kit& kit, const RoomScan& scan) {
  if (!scan.roomInfoSeen) {
    throw RoomFault("Your room got to have a quilla_info entity in it! Simply, add one!");
  }
  const RoomIdentity identity = GetRoomId(scan.header.type);
  if (!identity.name.empty()) kit.display.Show(KitField::RoomType, identity.name);
  const DirectionFlags used = {scan.directionUsed[0], scan.directionUsed[1], scan.directionUsed[2],
                               scan.directionUsed[3]};
  const int turns = ValuesCanBeRotated(used, identity.pattern);
  if (turns == -1) {
    throw RoomFault(
        "Your quilla_info describes a certain room type, but your quilla_connector s tell a "
        "diffrent story. Change your room type, modify your quilla_connector s or move them!");
  }
  const std::optional<int> code = RoomTypeCode(scan.header.type);
  if (scan.playerStartSeen && code != 5) {
    throw RoomFault(
        "Your map contains an info_player_start, even though it's not set to be a game "
        "start! Remove the info_player_start or set your room to be a player start in your "
        "quilla_info entity!");
  }
  if (!code) {
    throw RoomFault("Your Roomtype was invalid! Please remove your quilla_info and add a new one!");
  }
  return turns;
}

bool Confirm(const Kit& kit, std::string_view title, std::string_view text) {
  return kit.host.Message(title, text, MessageIcon::Information, MessageButtons::YesNo) ==
         MessageAnswer::Yes;
}

long long DrawNameNumber(RandomSource& random) {
  random.Randa();
  return static_cast<long long>(random.Draw() * 32000) + 1;
}

// The three questions. Returns the name the room file is written under, or nothing when
// the designer answered No.
std::optional<std::string> AskQuestions(const Kit& kit, const RoomScan& scan) {
  if (!scan.lightSeen &&
      !Confirm(kit, "No Lights", "Your map has no lights! Do you want to continiune anyway?")) {
    return std::nullopt;
  }
  std::string fileName = scan.header.name;
  // A name made only of characters a file name cannot hold would give a nameless file.
  if (CleanRoomFileName(fileName).empty()) {
    if (!Confirm(kit, "No Name", "Your map has no name! Do you want to continiune anyway?")) {
      return std::nullopt;
    }
    const long long first = DrawNameNumber(kit.random);
    const long long second = DrawNameNumber(kit.random);
    fileName = NtN(first) + NtN(second);
  }
  if (!scan.weaponSeen &&
      !Confirm(kit, "No Weapons", "Your map has no weapons! Do you want to continiune anyway?")) {
    return std::nullopt;
  }
  return fileName;
}

void TurnRoom(MapItems& room, int turns) {
  try {
    Rotator(room.items, turns);
  } catch (const RoomValueError& error) {
    throw RoomFault("At line " + std::to_string(room.lines[error.Item()]) + ": " + error.what() +
                    "!");
  }
}

std::string Answer(const Kit& kit, std::string_view title, std::string_view prompt,
                   std::string_view defaultText) {
  return kit.host.Ask(title, prompt, defaultText).value_or(std::string());
}

WrittenRoomFile PrintRoom(const Kit& kit, const std::string& fileName, RoomHeader& header,
                          const Items& body) {
  header.comment = Answer(kit, kCommentsTitle, kCommentsPrompt, kCommentsDefault);
  header.author = Answer(kit, kAuthorTitle, kAuthorPrompt, kAuthorDefault);
  kit.random.Randa();
  try {
    return WriteRoomFile(kit.roomsFolder, fileName, header, body,
                         [&random = kit.random] { return random.Draw(); });
  } catch (const std::system_error& error) {
    throw RoomFault(std::string("The room file couldn't be written: ") + error.what());
  }
}

void Deploy(const Kit& kit, const std::filesystem::path& mapFile, DeployResult& result) {
  ShowStart(kit);
  ShowMapFileSize(kit, mapFile);
  MapItems room = ReadMapItems(mapFile);

  kit.host.SetStatus("Status: Scanning... please wait!");
  kit.host.Yield();
  RoomScan scan = ScanRoom(room, kit.host, kit.display);
  ShowCounts(kit, scan);
  result.turns = CheckRoom(kit, scan);
  CheckRoomBrushes(room);

  const std::optional<std::string> fileName = AskQuestions(kit, scan);
  if (!fileName) {
    result.outcome = DeployOutcome::Declined;
    return;
  }

  kit.host.SetProgress(0);
  kit.host.SetStatus("Status: Modifying and deploying map...");
  kit.host.Yield();
  room.KeepFromFirstSolid();
  kit.host.SetProgress(10);
  TurnRoom(room, result.turns);
  ReadTurnedConnectors(room, scan.header);
  kit.host.SetProgress(40);
  RotateConnections(scan.header, result.turns);
  kit.host.SetProgress(50);
  long long nextId = 1;
  FixIDs(room.items, nextId);
  kit.host.SetProgress(75);
  const WrittenRoomFile written = PrintRoom(kit, *fileName, scan.header, room.items);
  kit.display.Show(KitField::RoomFileSize, Bytes(written.size));
  result.roomFile = written.file;
  result.backup = written.backup;
  result.roomFileSize = written.size;

  kit.host.SetProgress(100);
  kit.host.Message(
      "Complete!",
      "Done! Your room is now located and named at: " + written.file.string() + " Thank you!",
      MessageIcon::Information, MessageButtons::Ok);
  kit.host.SetProgress(0);
  kit.host.SetStatus("Status: Done!");
  kit.host.Yield();
  result.outcome = DeployOutcome::Deployed;
}

}  // namespace

DeployResult DeployRoom(const Kit& kit, const std::filesystem::path& mapFile) {
  DeployResult result;
  try {
    Deploy(kit, mapFile, result);
  } catch (...) {
    // The rooms folder lies beside the kit's program file.
    result.outcome = DeployOutcome::Faulted;
    result.fault = DeployFailureText(std::current_exception(), kit.roomsFolder.parent_path());
    MapFault(kit.host, mapFile, result.fault);
  }
  return result;
}

}  // namespace vendrel::roomkit
