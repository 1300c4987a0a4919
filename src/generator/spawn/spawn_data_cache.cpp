#include "spawn_data_cache.h"

#include <system_error>

namespace vendrel {

std::optional<SpawnDataCache::Identities> SpawnDataCache::IdentitiesIn(
    const std::filesystem::path& folder) {
  Identities identities;
  const std::array<const char*, 3> names = {kItemDataFile, kGunDataFile, kNpcDataFile};
  for (std::size_t i = 0; i < names.size(); ++i) {
    FileIdentity& identity = identities[i];
    identity.path = folder / names[i];
    std::error_code error;
    identity.size = std::filesystem::file_size(identity.path, error);
    if (error) return std::nullopt;
    identity.modified = std::filesystem::last_write_time(identity.path, error);
    if (error) return std::nullopt;
  }
  return identities;
}

const SpawnData& SpawnDataCache::Read(const std::filesystem::path& folder) {
  // Looked at before reading: a change while reading shows at the next room.
  std::optional<Identities> identities = IdentitiesIn(folder);
  if (identities && read_ == identities) return data_;
  read_.reset();
  data_ = ReadSpawnData(folder);
  read_ = std::move(identities);
  return data_;
}

}  // namespace vendrel
