#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "room_text.h"

namespace vendrel {

inline constexpr std::size_t kRoomHeaderItems = 21;

struct RoomConnector {
  bool present = false;
  std::string x, y, z;
  int size = 0;
};

// What a room file says about its room, in the order of its first 19 lines plus the two
// free texts. Connectors are indexed by direction 0 north, 1 east, 2 south, 3 west.
struct RoomHeader {
  std::string name;
  long long genre = 0;
  std::string type;
  std::array<RoomConnector, 4> connectors;
  std::string comment;
  std::string author;
};

// The room name without blanks and / \ ? * < > | " :, the rest kept as it is.
std::string CleanRoomFileName(std::string_view roomName);

// A header text made safe to read back as exactly one item equal to itself: commas
// become semicolons, a double quote an apostrophe, control characters blanks, and outer
// blanks are dropped.
std::string HeaderText(std::string_view text);
// A free-text header line: one blank, the text, one blank.
std::string HeaderTextLine(std::string_view text);
// A whole number as it is written: the sign's place (a blank or "-"), digits, a blank.
std::string HeaderNumberLine(long long value);

struct WrittenRoomFile {
  std::filesystem::path file;
  std::uintmax_t size = 0;
  std::optional<std::filesystem::path> backup;
};

// Writes roomsFolder/<cleaned fileName>.rgr, creating the folder when it is missing. An
// existing file of that name is first moved to a backup name with ".BCKP" and a drawn
// number 10 to 98; a taken backup name is drawn again, never overwritten.
// `draw` yields uniform fractions in [0, 1).
WrittenRoomFile WriteRoomFile(const std::filesystem::path& roomsFolder, std::string_view fileName,
                              const RoomHeader& header, const Items& body,
                              const std::function<double()>& draw);

// The 21 header items. Throws MapFormatError when the file holds fewer or one of them
// holds a control byte.
std::array<std::string, kRoomHeaderItems> ReadRoomHeader(const std::filesystem::path& file);

// The body items between the header and the end line. Throws MapFormatError, naming the
// line, when the file ends before its end line or when the body would break a level
// (FindMapTextFault).
Items ReadRoomBody(const std::filesystem::path& file);
// The same, and the file line of each body item, so later errors can say where.
Items ReadRoomBody(const std::filesystem::path& file, std::vector<std::size_t>& itemLines);

}  // namespace vendrel
