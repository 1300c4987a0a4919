// Lays out a stand-in account folder below the folder it is given, the same one the
// command-line tests compile against, and prints the account folder's path.
#include <filesystem>
#include <iostream>

#include "stand_in_tools.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: stand_in_account FOLDER\n";
    return 2;
  }
  vendrel::testing::StandInInstallation install;
  const std::filesystem::path accountBelowRoot = install.account.lexically_relative(install.root);
  install.root = std::filesystem::absolute(argv[1]);
  install.account = install.root / accountBelowRoot;
  std::filesystem::create_directories(install.MapsFolder());
  install.WorkingTools();
  install.StandInGame();
  std::cout << install.account.string() << "\n";
  return 0;
}
