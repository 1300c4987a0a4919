#include "account_file.h"

#include <cstdlib>
#include <fstream>

#include "steam_folder.h"

namespace vendrel {
namespace {

void DropLineEnd(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

std::filesystem::path AccountFile(const std::filesystem::path& programFolder) {
  return programFolder / "cindrpath.ini";
}

std::optional<StoredAccount> ReadAccountFile(const std::filesystem::path& programFolder) {
  std::ifstream in(AccountFile(programFolder), std::ios::binary);
  if (!in) return std::nullopt;
  std::string flag, folder;
  std::getline(in, flag);
  std::getline(in, folder);
  DropLineEnd(flag);
  // A folder read back holds no control character, as "spath.idf"'s does not: a stray
  // tab or a CR-only line end must not become part of the path.
  return StoredAccount{std::strtol(flag.c_str(), nullptr, 10) == 1, DeadChars(folder)};
}

bool WriteAccountFile(const std::filesystem::path& programFolder, const StoredAccount& account) {
  std::ofstream out(AccountFile(programFolder), std::ios::binary | std::ios::trunc);
  out << (account.isDefault ? "1" : "0") << "\r\n" << account.accountFolder << "\r\n";
  out.close();
  return !out.fail();
}

}  // namespace vendrel
