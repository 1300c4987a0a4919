#include "level_writer.h"

#include <cerrno>
#include <cstring>
#include <system_error>


namespace vendrel {
namespace {

constexpr std::size_t kFlushAt = 1 << 20;

[[noreturn]] void ThrowWriteError(const std::filesystem::path& path, const char* what) {
  throw std::system_error(errno, std::generic_category(),
                          std::string(what) + " " + path.string());
}

}  // namespace

void ReplaceX(std::string& text) {
  for (char& c : text) {
    if (c == '\'') c = '"';
  }
}

LevelWriter::LevelWriter(std::filesystem::path workingFile) : path_(std::move(workingFile)) {}

LevelWriter::~LevelWriter() {
  if (file_ != nullptr) {
    std::fwrite(pending_.data(), 1, pending_.size(), file_);
    std::fclose(file_);
  }
}

void LevelWriter::Open() {
  file_ = std::fopen(path_.c_str(), "wb");
  if (file_ == nullptr) ThrowWriteError(path_, "Cannot create the working map file");
  pending_.clear();
  pending_.reserve(kFlushAt + 4096);
}

void LevelWriter::Flush() {
  if (!pending_.empty() && std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) {
    ThrowWriteError(path_, "Cannot write the working map file");
  }
  pending_.clear();
}

void LevelWriter::PrintToFile(std::string row, int tabBlanks) {
  ReplaceX(row);
  PrintFinishedRow(row, tabBlanks);
}

void LevelWriter::StartRow(int tabBlanks) {
  if (file_ == nullptr) Open();
  if (tabBlanks > 0) pending_.append(static_cast<std::size_t>(tabBlanks), '\t');
}

void LevelWriter::EndRow() {
  pending_.append("\r\n");
  if (pending_.size() >= kFlushAt) Flush();
}

void LevelWriter::PrintFinishedRow(std::string_view row, int tabBlanks) {
  StartRow(tabBlanks);
  pending_.append(row);
  EndRow();
}

void LevelWriter::PrintKeyValueRow(std::string_view key, std::string_view value, int tabBlanks) {
  StartRow(tabBlanks);
  AppendKeyValueRow(pending_, key, value);
  EndRow();
}

void LevelWriter::Close() {
  if (file_ == nullptr) return;
  try {
    Flush();
  } catch (...) {
    Abandon();
    throw;
  }
  // A full disk often shows only when the buffered rest is written at the close.
  const bool failed = std::ferror(file_) != 0;
  const bool closeFailed = std::fclose(file_) != 0;
  file_ = nullptr;
  if (failed || closeFailed) ThrowWriteError(path_, "Cannot write the working map file");
}

void LevelWriter::Abandon() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  pending_.clear();
}

std::string KeyValueRow(std::string_view key, std::string_view value) {
  std::string row;
  row.reserve(key.size() + value.size() + 5);
  AppendKeyValueRow(row, key, value);
  return row;
}

void AppendKeyValueRow(std::string& out, std::string_view key, std::string_view value) {
  out += '"';
  out += key;
  out += "\" \"";
  out += value;
  out += '"';
}

void WriteLevelHeader(LevelWriter& writer, std::string_view skyName) {
  struct FixedRow {
    const char* text;
    int indent;
  };
  static constexpr FixedRow kHead[] = {
      {"versioninfo", 0}, {"{", 0}, {"'mapversion' '8'", 1}, {"'formatversion' '100'", 1},
      {"'prefab' '0'", 1}, {"}", 0}, {"visgroups", 0}, {"{", 0}, {"visgroup", 1}, {"{", 1},
      {"'name' 'Auto'", 2}, {"'visgroupid' '1'", 2}, {"'color' '0 255 255'", 2},
      {"visgroup", 2}, {"{", 2}, {"'name' 'Entities'", 3}, {"'visgroupid' '3'", 3},
      {"'color' '255 255 0'", 3}, {"}", 2}, {"visgroup", 2}, {"{", 2},
      {"'name' 'Brush Entities'", 3}, {"'visgroupid' '4'", 3}, {"'color' '0 255 0'", 3},
      {"}", 2}, {"visgroup", 2}, {"{", 2}, {"'name' 'Detail Brushes'", 3},
      {"'visgroupid' '2'", 3}, {"'color' '0 0 255'", 3}, {"}", 2}, {"}", 1}, {"}", 0},
      {"world", 0}, {"{", 0}, {"'id' '1'", 1}, {"'mapversion' '8'", 1},
      {"'classname' 'worldspawn'", 1}};
  for (const FixedRow& row : kHead) writer.PrintToFile(row.text, row.indent);
  // The sky name comes from the run, not from a hand-written row: keep it as it is.
  writer.PrintFinishedRow(KeyValueRow("skyname", skyName), 1);
  writer.PrintToFile("'maxpropscreenwidth' '-1'", 0);
}

void WriteEntites(LevelWriter& writer, Items& entityLines) {
  writer.PrintToFile("}", 0);
  int depth = 0;
  bool openPending = false;
  for (const std::string& line : entityLines) {
    if (openPending) {
      openPending = false;
      ++depth;
    }
    if (line == "{") openPending = true;
    if (line == "}") --depth;
    if (!line.empty()) writer.PrintFinishedRow(line, depth);
  }
  entityLines.clear();
}

}  // namespace vendrel
