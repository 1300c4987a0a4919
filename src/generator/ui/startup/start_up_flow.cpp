#include "start_up_flow.h"

namespace vendrel::startup {

StartUpFlow::StartUpFlow(Host& host, std::filesystem::path programFolder,
                         std::filesystem::path winePrefix, MainWindowHooks hooks)
    : host_(host),
      programFolder_(std::move(programFolder)),
      hooks_(std::move(hooks)),
      accountWindow_(programFolder_, std::move(winePrefix)),
      steamWindow_(host, programFolder_) {
  const auto unload = [this] {
    if (hooks_.unload) hooks_.unload();
  };
  logo_.onUnload = unload;
  accountWindow_.onQuit = unload;
  steamWindow_.onQuit = unload;
  logo_.onTimer = [this] {
    if (hooks_.show) hooks_.show();
    if (hooks_.globalInitiate) hooks_.globalInitiate();
  };
  accountWindow_.onSteamFolderNeeded = [this] {
    steamWindow_.show();
    steamWindow_.raise();
  };
  steamWindow_.onSteamFolderChosen = [this] { accountWindow_.show(); };
  accountWindow_.onAccountChosen = [this](const std::string& accountFolder) {
    // The chosen account, not one an earlier pass kept, is the one checked next.
    account_.accountFolder = accountFolder;
    if (hooks_.show) hooks_.show();
    if (hooks_.globalInitiate) hooks_.globalInitiate();
  };
}

bool StartUpFlow::ShowSplashOnce() {
  if (logo_.isVisible() || splashShown_) return false;
  logo_.show();
  logo_.raise();
  splashShown_ = true;
  if (hooks_.hide) hooks_.hide();
  return true;
}

std::optional<std::string> StartUpFlow::StoredAccount() {
  const InstallationCheck check = CheckInstallation(host_, programFolder_, account_);
  if (check.state == InstallationState::Ready) return check.userAccount;
  ShowAccountWindow();
  return std::nullopt;
}

void StartUpFlow::ShowAccountWindow() {
  accountWindow_.show();
  if (accountWindow_.isVisible()) accountWindow_.raise();
  if (hooks_.hide) hooks_.hide();
}

void StartUpFlow::Command5_Click() { ShowAccountWindow(); }

}  // namespace vendrel::startup
