#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vendrel {

// Splits text into items the way every reader of this system does:
//  - blanks and tabs before an item are skipped; an empty line is one empty item;
//  - an item that opens with a double quote runs to the next double quote on its line
//    (the quotes are dropped); a blank or comma after it separates it from the next item;
//  - any other item runs to the next comma or the line end, trailing blanks dropped.
// Works on bytes and streams files in chunks, so a view handed out by Next() stays valid
// only until the following call.
class ItemTokenizer {
 public:
  // Tokenizes text held by the caller; the text must outlive the tokenizer.
  explicit ItemTokenizer(std::string_view text);
  // Streams a file; throws MapFormatError when it cannot be opened.
  explicit ItemTokenizer(const std::filesystem::path& file);
  ~ItemTokenizer();
  ItemTokenizer(const ItemTokenizer&) = delete;
  ItemTokenizer& operator=(const ItemTokenizer&) = delete;

  // The next item, or false at the end of the input.
  bool Next(std::string_view& item);
  // Line (from 1) of the item last returned.
  std::size_t Line() const { return itemLine_; }
  const std::filesystem::path& File() const { return file_; }

 private:
  void FindLineEnd();
  bool Refill();
  void ConsumeLineEnd();

  std::filesystem::path file_;
  std::FILE* stream_ = nullptr;
  // Left uninitialised: every byte is read into before it is looked at.
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  const char* data_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t lineEnd_ = 0;  // index of the '\n' ending the current line, or end_
  bool lineEndKnown_ = false;
  bool eof_ = true;
  std::size_t line_ = 1;
  std::size_t itemLine_ = 0;
};

}  // namespace vendrel
