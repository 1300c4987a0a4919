#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cindr_path_window.h"
#include "host.h"
#include "installation_check.h"
#include "logo.h"
#include "steam_path_window.h"

namespace vendrel::startup {

// What the start-up windows ask of the main window.
struct MainWindowHooks {
  std::function<void()> show;
  std::function<void()> hide;
  std::function<void()> globalInitiate;  // runs the main window's Form_Load again
  std::function<void()> unload;          // Form_Unload: the application ends
};

// The start-up windows and the two passes of the main window's Form_Load. The main window's
// Form_Load is:
//   if (flow.ShowSplashOnce()) return;
//   ...its own settings...;
//   if (const auto user = flow.StoredAccount()) { UserAccount = *user; Categorize; SetCorrectPC;
//                                                 progress 0; "Ready..."; }
class StartUpFlow {
 public:
  StartUpFlow(Host& host, std::filesystem::path programFolder, std::filesystem::path winePrefix,
              MainWindowHooks hooks);

  // The first pass: shows the splash and hides the main window, once; true when it did.
  bool ShowSplashOnce();
  // The stored account when the game and its first tool are there (warning about missing
  // second and third tools), else the account window is shown and the main window hidden.
  std::optional<std::string> StoredAccount();
  // "Change Account": the account window again, the main window hidden.
  void Command5_Click();

  const std::string& AccountFolder() const { return account_.accountFolder; }
  bool SplashShown() const { return splashShown_; }
  bool AccountAsked() const { return account_.accountAsked; }

  Logo& Splash() { return logo_; }
  CindrPathWindow& AccountWindow() { return accountWindow_; }
  SteamPathWindow& SteamWindow() { return steamWindow_; }

 private:
  void ShowAccountWindow();

  Host& host_;
  std::filesystem::path programFolder_;
  MainWindowHooks hooks_;
  StartUpAccount account_;
  bool splashShown_ = false;
  Logo logo_;
  CindrPathWindow accountWindow_;
  SteamPathWindow steamWindow_;
};

}  // namespace vendrel::startup
