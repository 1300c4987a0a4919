#include "wine_registry.h"

#include <gtest/gtest.h>

#include "param_name.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

// As Wine writes it: keys relative to the machine, backslashes doubled.
constexpr const char* kSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win32

[Software\\Valve] 1700000000
#time=1da2b3c4d5e6f70
"InstallPath"="wrong key"

[Software\\Valve\\Steam] 1700000001
#time=1da2b3c4d5e6f71
"Language"="english"
"InstallPath"="C:\\Program Files\\Steam"
"Quoted"="say \"hi\"\x00e9"
"Expand"=str(2):"%ProgramFiles%"
"Number"=dword:00000001

[Software\\Valve\\Steam\\Apps] 1700000002
"Extra"="below"
)";

class WineRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteFile(folder / "system.reg", kSystemReg); }
  std::optional<std::string> Read(std::string_view key, std::string_view value) {
    return ReadRegistryString(folder / "system.reg", key, value);
  }
  testing::TempFolder folder;
};

TEST_F(WineRegistryTest, FindsTheValueOfItsOwnKeyWithoutRegardToCase) {
  EXPECT_EQ(Read("SOFTWARE\\Valve\\Steam", "installpath"), "C:\\Program Files\\Steam");
  EXPECT_EQ(Read("software\\valve\\steam", "INSTALLPATH"), "C:\\Program Files\\Steam");
  EXPECT_EQ(Read("Software\\Valve", "InstallPath"), "wrong key");
}

TEST_F(WineRegistryTest, UndoesTheFileEscapes) {
  EXPECT_EQ(Read("Software\\Valve\\Steam", "Quoted"), "say \"hi\"\xC3\xA9");
  EXPECT_EQ(Read("Software\\Valve\\Steam", "Expand"), "%ProgramFiles%");
}

TEST_F(WineRegistryTest, MissingKeyValueOrFileAndOtherTypesAreMissing) {
  EXPECT_EQ(Read("Software\\Valve\\Steam", "Number"), std::nullopt);
  EXPECT_EQ(Read("Software\\Valve\\Steam", "Extra"), std::nullopt) << "a subkey's value";
  EXPECT_EQ(Read("Software\\Other", "InstallPath"), std::nullopt);
  EXPECT_EQ(ReadRegistryString(folder / "user.reg", "Software\\Valve\\Steam", "InstallPath"),
            std::nullopt);
}

struct PrefixPathCase {
  const char* name;
  const char* windowsPath;
  const char* inPrefix;
};

class WindowsPaths : public ::testing::TestWithParam<PrefixPathCase> {};

TEST_P(WindowsPaths, MapToThePrefixDrives) {
  EXPECT_EQ(WindowsPathInPrefix("/home/p/.wine", GetParam().windowsPath),
            std::filesystem::path(GetParam().inPrefix));
}

INSTANTIATE_TEST_SUITE_P(
    Drives, WindowsPaths,
    ::testing::Values(
        PrefixPathCase{"DriveC", "C:\\Program Files\\Steam", "/home/p/.wine/drive_c/Program Files/Steam"},
        PrefixPathCase{"LowerDrive", "c:\\Steam\\", "/home/p/.wine/drive_c/Steam/"},
        PrefixPathCase{"OtherDrive", "D:\\Games\\Steam", "/home/p/.wine/dosdevices/d:/Games/Steam"},
        PrefixPathCase{"DriveRoot", "C:\\", "/home/p/.wine/drive_c"},
        PrefixPathCase{"NoDrive", "\\Steam", "/Steam"}),
    testing::ParamName{});

}  // namespace
}  // namespace vendrel
