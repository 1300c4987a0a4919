#include "program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "temp_folder.h"

namespace vendrel {
namespace {

// XDG_DATA_HOME set for one test and put back after it.
class UserDataHome {
 public:
  explicit UserDataHome(const std::filesystem::path& folder) {
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
  }
  ~UserDataHome() {
    if (old_) {
      setenv("XDG_DATA_HOME", old_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST(ProgramFolder, AWritableProgramFolderKeepsWhatItWrites) {
  testing::TempFolder folder;
  EXPECT_EQ(WritableProgramFolder(folder.Path()), folder.Path());
}

TEST(ProgramFolder, WhatCannotBeWrittenThereGoesToTheUsersDataFolder) {
  testing::TempFolder home;
  const UserDataHome data(home.Path());
  EXPECT_EQ(UserDataFolder(), home / "vendrel");
  // No folder can be written that is not there, whoever runs the test.
  const auto missing = home / "no program here";
  EXPECT_EQ(WritableProgramFolder(missing), home / "vendrel");
  EXPECT_TRUE(std::filesystem::is_directory(home / "vendrel"));
}

TEST(ProgramFolder, AUserDataHomeThatIsNoPathIsPassedOver) {
  const UserDataHome data("relative/folder");
  EXPECT_NE(UserDataFolder(), std::filesystem::path("relative/folder") / "vendrel");
}

TEST(ProgramFolder, TheNoteSaysWhereWhatIsWrittenGoes) {
  testing::TempFolder home;
  const auto missing = home / "gone";
  const auto program = home.Path();
  EXPECT_EQ(WritingFolderNote(program, program), "");
  EXPECT_EQ(WritingFolderNote(missing, program),
            missing.string() + " cannot be written; logs, levels and room files go to " +
                program.string());
  EXPECT_EQ(WritingFolderNote(program, missing),
            program.string() + " cannot be written, nor can " + missing.string() +
                ": logs, levels and room files have nowhere to go");
  EXPECT_EQ(WritingFolderNote(missing, missing),
            missing.string() + " cannot be written: logs, levels and room files have nowhere to go");
}

}  // namespace
}  // namespace vendrel
