// "spath.idf", "cindrpath.ini" and the Wine prefix's registry file, all given the same
// bytes: each is read or found wanting, and what is read holds no control character.
#include <cstdint>
#include <string>

#include "account_file.h"
#include "fuzz_input.h"
#include "steam_folder.h"
#include "wine_registry.h"

namespace {

void NoControlCharacters(const std::string& text, const char* where) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 32) {
      vendrel::fuzz::Finding(std::string(where) + " kept a control character");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vendrel;
  static const auto folder = fuzz::FuzzFolder("install_files");
  fuzz::WriteInput(SteamPathFile(folder), data, size);
  fuzz::WriteInput(AccountFile(folder), data, size);
  fuzz::WriteInput(folder / "system.reg", data, size);

  NoControlCharacters(InternalSteamPath(folder), "the Steam folder of spath.idf");
  if (const auto account = ReadAccountFile(folder)) {
    NoControlCharacters(account->accountFolder, "the account of cindrpath.ini");
  }
  ReadRegistryString(folder / "system.reg", "Software\\Valve\\Steam", "InstallPath");
  RegistryAccountsFolder(folder);
  return 0;
}
