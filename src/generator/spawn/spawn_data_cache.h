#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "spawn_data.h"

namespace vendrel {

// The spawn data files of one run, parsed once and parsed again only when a file's
// identity (path, size, modification time) changes, so a file edited during the run is
// still read afresh, as if every room read it.
class SpawnDataCache {
 public:
  // As ReadSpawnData(folder); throws what it throws, and keeps nothing then.
  const SpawnData& Read(const std::filesystem::path& folder);

 private:
  struct FileIdentity {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileIdentity&) const = default;
  };
  using Identities = std::array<FileIdentity, 3>;

  // Nothing when a file cannot be looked at; then it is read again to report why.
  static std::optional<Identities> IdentitiesIn(const std::filesystem::path& folder);

  std::optional<Identities> read_;
  SpawnData data_;
};

}  // namespace vendrel
