#include "item_tokenizer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "map_format_error.h"

namespace vendrel {
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kSmallest = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

ItemTokenizer::ItemTokenizer(std::string_view text)
    : data_(text.data()), end_(text.size()), eof_(true) {}

ItemTokenizer::ItemTokenizer(const std::filesystem::path& file) : file_(file), eof_(false) {
  stream_ = std::fopen(file.c_str(), "rb");
  if (stream_ == nullptr) {
    throw MapFormatError(file, std::string("cannot be opened (") + std::strerror(errno) + ")");
  }
  if (std::filesystem::is_directory(file)) {
    std::fclose(stream_);
    stream_ = nullptr;
    throw MapFormatError(file, "is a folder, not a file");
  }
  // A small file gets a buffer of its own size: a room header or a data file read should
  // not cost clearing a whole chunk.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  capacity_ = error ? kChunk
                    : static_cast<std::size_t>(std::clamp<std::uintmax_t>(size + 1, kSmallest, kChunk));
  buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
  data_ = buffer_.get();
}

ItemTokenizer::~ItemTokenizer() {
  if (stream_ != nullptr) std::fclose(stream_);
}

// Moves the unread rest to the front and reads more; grows the buffer for a line longer
// than it. False when nothing more could be read.
bool ItemTokenizer::Refill() {
  if (eof_) return false;
  if (pos_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  if (end_ == capacity_) {
    auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  data_ = buffer_.get();
  const std::size_t got = std::fread(buffer_.get() + end_, 1, capacity_ - end_, stream_);
  if (got == 0) {
    if (std::ferror(stream_)) throw MapFormatError(file_, line_, "read error");
    eof_ = true;
    return false;
  }
  end_ += got;
  return true;
}

void ItemTokenizer::FindLineEnd() {
  std::size_t searchFrom = pos_;
  for (;;) {
    const void* nl = std::memchr(data_ + searchFrom, '\n', end_ - searchFrom);
    if (nl != nullptr) {
      lineEnd_ = static_cast<std::size_t>(static_cast<const char*>(nl) - data_);
      break;
    }
    const std::size_t scanned = end_ - pos_;
    if (!Refill()) {
      lineEnd_ = end_;
      break;
    }
    searchFrom = pos_ + scanned;
  }
  lineEndKnown_ = true;
}

void ItemTokenizer::ConsumeLineEnd() {
  pos_ = lineEnd_ < end_ ? lineEnd_ + 1 : end_;
  lineEndKnown_ = false;
  ++line_;
}

bool ItemTokenizer::Next(std::string_view& item) {
  if (pos_ == end_ && !Refill()) return false;
  if (!lineEndKnown_) FindLineEnd();

  std::size_t contentEnd = lineEnd_;
  if (contentEnd > pos_ && data_[contentEnd - 1] == '\r') --contentEnd;

  std::size_t p = pos_;
  while (p < contentEnd && IsBlank(data_[p])) ++p;
  itemLine_ = line_;

  if (p == contentEnd) {
    item = {};
    ConsumeLineEnd();
    return true;
  }

  if (data_[p] == '"') {
    const std::size_t open = p + 1;
    const void* close = std::memchr(data_ + open, '"', contentEnd - open);
    if (close == nullptr) {
      item = std::string_view(data_ + open, contentEnd - open);
      ConsumeLineEnd();
      return true;
    }
    const std::size_t closeAt = static_cast<std::size_t>(static_cast<const char*>(close) - data_);
    item = std::string_view(data_ + open, closeAt - open);
    std::size_t r = closeAt + 1;
    while (r < contentEnd && IsBlank(data_[r])) ++r;
    if (r == contentEnd) {
      ConsumeLineEnd();
    } else {
      pos_ = data_[r] == ',' ? r + 1 : r;
    }
    return true;
  }

  const void* comma = std::memchr(data_ + p, ',', contentEnd - p);
  const std::size_t stop =
      comma != nullptr ? static_cast<std::size_t>(static_cast<const char*>(comma) - data_) : contentEnd;
  std::size_t last = stop;
  while (last > p && IsBlank(data_[last - 1])) --last;
  item = std::string_view(data_ + p, last - p);
  if (comma != nullptr) {
    pos_ = stop + 1;
  } else {
    ConsumeLineEnd();
  }
  return true;
}

}  // namespace vendrel
