#pragma once

#include <filesystem>
#include <string>

#include "host.h"

namespace vendrel {

// What start-up keeps between its passes.
struct StartUpAccount {
  std::string accountFolder;  // empty until one is read and checked
  bool accountAsked = false;  // the account window was shown by start-up
};

enum class InstallationState { Ready, AskAccount };

struct InstallationCheck {
  InstallationState state = InstallationState::AskAccount;
  std::string userAccount;  // the account's name, when ready
};

// Start-up's account steps: the stored account (read from "cindrpath.ini" when none is
// known; its flag counts only before the account window was shown), the game and the
// first tool there, and the two warnings for the second and third tools. Without a usable
// account it forgets the folder, notes that the account window is asked for and says so.
InstallationCheck CheckInstallation(Host& host, const std::filesystem::path& programFolder,
                                    StartUpAccount& account);

}  // namespace vendrel
