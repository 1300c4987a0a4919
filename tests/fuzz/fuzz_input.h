#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vendrel::fuzz {

// A folder of this process's own for readers that take paths, emptied on each use.
inline std::filesystem::path FuzzFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("vendrel-fuzz-" + std::to_string(getpid())) / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// The fuzzer's bytes as the file `path`.
inline void WriteInput(const std::filesystem::path& path, const std::uint8_t* data,
                       std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path.string());
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

// A finding: the reader took what it must refuse.
[[noreturn]] inline void Finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

}  // namespace vendrel::fuzz
