#include "room_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "control_bytes.h"
#include "item_tokenizer.h"
#include "level_writer.h"
#include "map_file_size.h"
#include "map_format_error.h"
#include "map_text_check.h"
#include "map_text_items.h"

namespace vendrel {
namespace {

constexpr std::string_view kRemovedFromFileNames = " /\\?*<>|\":";

std::filesystem::path BackupPath(const std::filesystem::path& file, int number) {
  std::filesystem::path backup = file;
  backup += ".BCKP" + std::to_string(number);
  return backup;
}

// Draws backup numbers 10 to 98 until one is free; when every drawn name stays taken,
// takes the first free number, going past 98 if it must.
std::filesystem::path FreeBackupPath(const std::filesystem::path& file,
                                     const std::function<double()>& draw) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    const int number = static_cast<int>(draw() * 89 + 10);
    const auto candidate = BackupPath(file, number);
    if (!std::filesystem::exists(candidate)) return candidate;
  }
  for (int number = 10;; ++number) {
    const auto candidate = BackupPath(file, number);
    if (!std::filesystem::exists(candidate)) return candidate;
  }
}

// The room file body rows, from the list that starts at the world's first brush.
void AppendBody(const Items& body, std::string& out) {
  int depth = 0;
  auto row = [&out](std::string_view text) {
    out.append(text);
    out.append("\r\n");
  };
  static const std::string kNone;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const std::string& item = body[i];
    const std::string& next = i + 1 < body.size() ? body[i + 1] : kNone;
    if (item.empty()) continue;
    if (item == "{") {
      if (depth != -1) ++depth;
      row(item);
    } else if (item == "}") {
      if (depth != -1 && --depth == -1) {
        row(kWorldEndMarker);
      } else {
        row(item);
      }
    } else if (next == "{") {
      row(item);
    } else {
      row(KeyValueRow(item, next));
      ++i;
    }
  }
  row(kEndOfRoomMarker);
}

}  // namespace

std::string CleanRoomFileName(std::string_view roomName) {
  std::string cleaned;
  cleaned.reserve(roomName.size());
  for (const char c : roomName) {
    if (kRemovedFromFileNames.find(c) == std::string_view::npos) cleaned.push_back(c);
  }
  return cleaned;
}

std::string HeaderText(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ',') clean.push_back(';');
    else if (c == '"') clean.push_back('\'');
    else if (byte < 32) clean.push_back(' ');
    else clean.push_back(c);
  }
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = clean.find_last_not_of(' ');
  return clean.substr(first, last - first + 1);
}

std::string HeaderTextLine(std::string_view text) { return " " + HeaderText(text) + " "; }

std::string HeaderNumberLine(long long value) {
  return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value) + " ";
}

WrittenRoomFile WriteRoomFile(const std::filesystem::path& roomsFolder, std::string_view fileName,
                              const RoomHeader& header, const Items& body,
                              const std::function<double()>& draw) {
  std::string text;
  auto line = [&text](std::string_view content) {
    text.append(content);
    text.append("\r\n");
  };
  line(HeaderText(header.name));
  line(HeaderNumberLine(header.genre));
  line(HeaderText(header.type));
  for (const RoomConnector& connector : header.connectors) {
    if (connector.present) {
      line(HeaderText(connector.x));
      line(HeaderText(connector.y));
      line(HeaderText(connector.z));
      line(HeaderNumberLine(connector.size));
    } else {
      for (int i = 0; i < 4; ++i) line("");
    }
  }
  line(HeaderTextLine(header.comment));
  line(HeaderTextLine(header.author));
  AppendBody(body, text);

  std::error_code error;
  std::filesystem::create_directories(roomsFolder, error);
  if (error) {
    throw std::system_error(error, "Cannot create the rooms folder " + roomsFolder.string());
  }
  WrittenRoomFile written;
  written.file = roomsFolder / (CleanRoomFileName(fileName) + ".rgr");
  if (std::filesystem::exists(written.file)) {
    written.backup = FreeBackupPath(written.file, draw);
    std::filesystem::rename(written.file, *written.backup);
  }
  std::FILE* out = std::fopen(written.file.c_str(), "wb");
  if (out == nullptr) {
    throw std::system_error(errno, std::generic_category(),
                            "Cannot create the room file " + written.file.string());
  }
  const bool wrote = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  const bool closed = std::fclose(out) == 0;
  if (!wrote || !closed) {
    throw std::system_error(errno, std::generic_category(),
                            "Cannot write the room file " + written.file.string());
  }
  written.size = text.size();
  return written;
}

std::array<std::string, kRoomHeaderItems> ReadRoomHeader(const std::filesystem::path& file) {
  std::array<std::string, kRoomHeaderItems> header;
  ItemTokenizer items(file);
  std::string_view item;
  for (std::size_t i = 0; i < kRoomHeaderItems; ++i) {
    if (!items.Next(item)) {
      throw MapFormatError(file, "holds only " + std::to_string(i) + " of the " +
                                     std::to_string(kRoomHeaderItems) + " header items");
    }
    if (const std::string problem = ControlByteProblem(item); !problem.empty()) {
      throw MapFormatError(file, items.Line(), problem);
    }
    header[i] = item;
  }
  return header;
}

Items ReadRoomBody(const std::filesystem::path& file) {
  std::vector<std::size_t> itemLines;
  return ReadRoomBody(file, itemLines);
}

Items ReadRoomBody(const std::filesystem::path& file, std::vector<std::size_t>& itemLines) {
  std::error_code sizeError;
  const std::uintmax_t bytes = std::filesystem::file_size(file, sizeError);
  if (!sizeError) RefuseOversizedRoomMap(file, bytes);
  ItemTokenizer items(file);
  std::string_view item;
  for (std::size_t i = 0; i < kRoomHeaderItems; ++i) {
    if (!items.Next(item)) {
      throw MapFormatError(file, "ends inside its header");
    }
  }
  Items body;
  itemLines.clear();
  // Room files hold about one item in a dozen bytes; growing the lists item by item costs
  // more than the reading itself.
  if (!sizeError) {
    body.reserve(static_cast<std::size_t>(bytes / 12));
    itemLines.reserve(static_cast<std::size_t>(bytes / 12));
  }
  MapTextItems kept(body, itemLines);
  while (items.Next(item)) {
    if (item == kEndOfRoomMarker) {
      if (const auto fault =
              FindMapTextFault(body, itemLines, MapTextLayout::RoomBody, items.Line())) {
        throw MapFormatError(file, fault->line, fault->problem);
      }
      return body;
    }
    kept.Add(item, items.Line());
  }
  throw MapFormatError(file, items.Line() + 1, "the room file ends before its end line");
}

}  // namespace vendrel
