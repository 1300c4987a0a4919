#include "user_accounts.h"

#include <gtest/gtest.h>

#include "install_fixture.h"
#include "steam_folder.h"

namespace vendrel {
namespace {

using Names = std::vector<std::string>;

class UserAccountsTest : public testing::InstallFixture {
 protected:
  void RegistryNamesSteamFolder() {
    // The prefix's drive C: is where the test's Steam folder is.
    std::filesystem::create_directory_symlink(folder.Path(), prefix / "drive_c");
    testing::WriteFile(prefix / "system.reg",
                       "WINE REGISTRY Version 2\n\n[Software\\\\Valve\\\\Steam] 1\n"
                       "\"InstallPath\"=\"C:\\\\Steam Folder\"\n");
  }
};

TEST_F(UserAccountsTest, ListsTheRememberedFolderInOrderWithoutSourcemods) {
  MakeSteamFolder();
  for (const char* name : {"zed", "Alice", "SourceMods", "bob", "sourcemods2"}) MakeAccount(name);
  Touch(steamFolder / "steamapps" / "a file.gcf");
  ASSERT_TRUE(WriteSteamPathFile(programFolder, SteamFolderText()));
  const auto users = ReadUsers(programFolder, prefix);
  ASSERT_TRUE(users.has_value());
  EXPECT_EQ(users->accountsFolder, steamFolder / "steamapps" / "");
  EXPECT_EQ(users->accounts, (Names{"Alice", "bob", "sourcemods2", "zed"}));
}

TEST_F(UserAccountsTest, FallsBackToTheRegistryOfTheWinePrefix) {
  MakeAccount("player");
  EXPECT_EQ(ReadUsers(programFolder, prefix), std::nullopt) << "neither spath.idf nor registry";
  RegistryNamesSteamFolder();
  const auto users = ReadUsers(programFolder, prefix);
  ASSERT_TRUE(users.has_value());
  EXPECT_EQ(users->accounts, Names{"player"});
  EXPECT_TRUE(std::filesystem::equivalent(users->accountsFolder, steamFolder / "steamapps"));
}

TEST_F(UserAccountsTest, AnEmptyAccountsFolderListsNothingAndAMissingOneAsksForSteam) {
  RegistryNamesSteamFolder();
  const auto users = ReadUsers(programFolder, prefix);
  ASSERT_TRUE(users.has_value());
  EXPECT_TRUE(users->accounts.empty());
  std::filesystem::remove(steamFolder / "steamapps");
  EXPECT_EQ(ReadUsers(programFolder, prefix), std::nullopt);
}

TEST_F(UserAccountsTest, ChecksTheGameAndTheFirstToolOfAnAccount) {
  EXPECT_TRUE(CheckAccount(MakeAccount("full")).Complete());
  const AccountInstallation noGame = CheckAccount(MakeAccount("nogame", false));
  EXPECT_FALSE(noGame.game);
  EXPECT_TRUE(noGame.kit);
  const AccountInstallation noKit = CheckAccount(MakeAccount("nokit", true, 0));
  EXPECT_TRUE(noKit.game);
  EXPECT_FALSE(noKit.kit);
  EXPECT_FALSE(noKit.Complete());
  EXPECT_TRUE(CheckAccount(MakeAccount("onlybsp", true, 1)).Complete());
}

}  // namespace
}  // namespace vendrel
