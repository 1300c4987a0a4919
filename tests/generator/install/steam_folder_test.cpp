#include "steam_folder.h"

#include <gtest/gtest.h>

#include "install_fixture.h"
#include "param_name.h"

namespace vendrel {
namespace {

using SteamFolderTest = testing::InstallFixture;

TEST(DeadChars, DropsEveryCharacterBelow32AndKeepsTheRestInOrder) {
  EXPECT_EQ(DeadChars("C:\\Steam\\\r\n"), "C:\\Steam\\");
  EXPECT_EQ(DeadChars(std::string("a\0b\tc\x1f" "d \x7f\xe9", 10)), "abcd \x7f\xe9");
  EXPECT_EQ(DeadChars("\x01\x02"), "");
}

struct SpathCase {
  const char* name;
  std::string before, inside, after;  // around and within the Steam folder's text
};

class RememberedFolder : public SteamFolderTest, public ::testing::WithParamInterface<SpathCase> {};

TEST_P(RememberedFolder, YieldsTheAccountsFolderWhateverControlCharactersItHolds) {
  MakeSteamFolder();
  const std::string text = SteamFolderText();
  const std::size_t middle = text.size() / 2;
  testing::WriteFile(programFolder / "spath.idf", GetParam().before + text.substr(0, middle) +
                                                      GetParam().inside + text.substr(middle) +
                                                      GetParam().after);
  EXPECT_EQ(InternalSteamPath(programFolder), text + "steamapps/");
}

INSTANTIATE_TEST_SUITE_P(
    Spath, RememberedFolder,
    ::testing::Values(SpathCase{"AsWritten", "", "", "\r\n"}, SpathCase{"NoLineEnd", "", "", ""},
                      SpathCase{"TabsInside", "\t", "\t\t", "\n"},
                      SpathCase{"NulAndEscape", std::string("\0", 1), "\x1b", std::string("\r\0\n", 3)}),
    testing::ParamName{});

TEST_F(SteamFolderTest, AFolderWithoutBothClientFilesIsNoSteamFolder) {
  EXPECT_EQ(InternalSteamPath(programFolder), "") << "no spath.idf";
  Touch(steamFolder / "Steam.exe");
  ASSERT_TRUE(WriteSteamPathFile(programFolder, SteamFolderText()));
  EXPECT_FALSE(IsSteamFolder(SteamFolderText()));
  EXPECT_EQ(InternalSteamPath(programFolder), "");
  EXPECT_TRUE(std::filesystem::exists(programFolder / "spath.idf")) << "the file is not deleted";
  Touch(steamFolder / "steam.dll");
  EXPECT_EQ(InternalSteamPath(programFolder), SteamFolderText() + "steamapps/");
}

TEST_F(SteamFolderTest, WritesOneLineWithTheFolder) {
  ASSERT_TRUE(WriteSteamPathFile(programFolder, SteamFolderText()));
  EXPECT_EQ(testing::ReadFile(programFolder / "spath.idf"), SteamFolderText() + "\r\n");
  EXPECT_FALSE(WriteSteamPathFile(folder / "missing", SteamFolderText()));
}

TEST_F(SteamFolderTest, RegistryGivesTheAccountsFolderInThePrefix) {
  EXPECT_EQ(RegistryAccountsFolder(prefix), std::nullopt) << "no system.reg";
  testing::WriteFile(prefix / "system.reg", "WINE REGISTRY Version 2\n\n[Software\\\\Valve] 1\n"
                                            "\"InstallPath\"=\"C:\\\\Elsewhere\"\n");
  EXPECT_EQ(RegistryAccountsFolder(prefix), std::nullopt) << "no Steam key";
  testing::WriteFile(prefix / "system.reg",
                     "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Valve\\\\Steam] 1\n"
                     "\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Steam\"\n");
  EXPECT_EQ(RegistryAccountsFolder(prefix),
            prefix / "drive_c" / "Program Files (x86)" / "Steam" / "steamapps");
}

}  // namespace
}  // namespace vendrel
