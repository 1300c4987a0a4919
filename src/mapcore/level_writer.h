#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "room_text.h"

namespace vendrel {

// Turns every apostrophe into a double quote: hand-written rows use apostrophes where
// the map format has double quotes.
void ReplaceX(std::string& text);

// The working map file of one level. Opened (truncated) by the first row written after
// a close, kept open across rooms, closed only on request.
class LevelWriter {
 public:
  explicit LevelWriter(std::filesystem::path workingFile);
  ~LevelWriter();
  LevelWriter(const LevelWriter&) = delete;
  LevelWriter& operator=(const LevelWriter&) = delete;

  // A hand-written row in the apostrophe convention.
  void PrintToFile(std::string row, int tabBlanks = 0);
  // A row already in map form; written as it stands, so apostrophes inside keys and
  // values reach the file unchanged.
  void PrintFinishedRow(std::string_view row, int tabBlanks = 0);
  // The row of a key and its value, built where it is written.
  void PrintKeyValueRow(std::string_view key, std::string_view value, int tabBlanks);
  // Writes what is pending and closes the file; throws std::system_error when any of it
  // did not reach the file. Does nothing when it is closed already.
  void Close();
  // Closes the file without writing what is pending: the file is given up.
  void Abandon();

  bool IsOpen() const { return file_ != nullptr; }
  const std::filesystem::path& WorkingFile() const { return path_; }

 private:
  void Open();
  void Flush();
  // Opens the file when needed and indents the next row.
  void StartRow(int tabBlanks);
  void EndRow();

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  std::string pending_;
};

// The map-form row of a key and its value.
std::string KeyValueRow(std::string_view key, std::string_view value);
// The same row appended to `out`.
void AppendKeyValueRow(std::string& out, std::string_view key, std::string_view value);

// The version block, the visibility groups and the opening of the world block.
void WriteLevelHeader(LevelWriter& writer, std::string_view skyName);

// Closes the world block and writes the level's entity rows, indented by their braces;
// empties the rows.
void WriteEntites(LevelWriter& writer, Items& entityLines);

}  // namespace vendrel
