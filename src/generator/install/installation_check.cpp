#include "installation_check.h"

#include "account_file.h"
#include "game_paths.h"
#include "path_text.h"

namespace vendrel {
namespace {

InstallationCheck AskAccount(StartUpAccount& account) {
  account.accountFolder.clear();
  account.accountAsked = true;
  return {InstallationState::AskAccount, {}};
}

void WarnWhenMissing(Host& host, const GamePaths& paths, const char* program, const char* name) {
  if (FileExists(paths.Tool(program))) return;
  host.Message("Warning!",
               std::string(name) +
                   " could not be found in your sourcesdk/bin folder. You will not be able to "
                   "compile your maps correctly!",
               MessageIcon::Critical, MessageButtons::Ok);
}

}  // namespace

InstallationCheck CheckInstallation(Host& host, const std::filesystem::path& programFolder,
                                    StartUpAccount& account) {
  if (account.accountFolder.empty()) {
    const auto stored = ReadAccountFile(programFolder);
    if (!stored || (!stored->isDefault && !account.accountAsked)) return AskAccount(account);
    account.accountFolder = stored->accountFolder;
  }
  const GamePaths paths{account.accountFolder};
  if (account.accountFolder.empty() || !FileExists(paths.GameProgram()) ||
      !FileExists(paths.Tool("vbsp.exe"))) {
    return AskAccount(account);
  }
  WarnWhenMissing(host, paths, "vvis.exe", "Vvis.exe");
  WarnWhenMissing(host, paths, "vrad.exe", "Vrad.exe");
  return {InstallationState::Ready, ToRight(account.accountFolder).text};
}

}  // namespace vendrel
