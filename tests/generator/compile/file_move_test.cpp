#include "file_move.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vendrel {
namespace {

TEST(MoveWithoutReplacing, MovesAFileButNeverOverAnother) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "a", "new");
  testing::WriteFile(folder / "b", "old");
  EXPECT_EQ(MoveWithoutReplacing(folder / "a", folder / "b"), std::errc::file_exists);
  EXPECT_EQ(testing::ReadFile(folder / "b"), "old");
  EXPECT_EQ(testing::ReadFile(folder / "a"), "new");
  EXPECT_FALSE(MoveWithoutReplacing(folder / "a", folder / "c"));
  EXPECT_EQ(testing::ReadFile(folder / "c"), "new");
  EXPECT_FALSE(std::filesystem::exists(folder / "a"));
  EXPECT_TRUE(MoveWithoutReplacing(folder / "a", folder / "d")) << "nothing to move";
}

// The game's folder and the program folder may lie on different file systems.
TEST(MoveWithoutReplacing, MovesAcrossFileSystems) {
  struct stat temp{}, shared{};
  if (stat("/dev/shm", &shared) != 0 || stat(std::filesystem::temp_directory_path().c_str(), &temp) != 0 ||
      temp.st_dev == shared.st_dev) {
    GTEST_SKIP() << "no second file system here";
  }
  testing::TempFolder folder;
  const std::filesystem::path other = "/dev/shm/vendrel-move-" + folder.Path().filename().string();
  testing::WriteFile(folder / "level1.bsp", "compiled");
  testing::WriteFile(other, "old");
  EXPECT_EQ(MoveWithoutReplacing(folder / "level1.bsp", other), std::errc::file_exists);
  EXPECT_EQ(testing::ReadFile(other), "old");
  std::filesystem::remove(other);
  EXPECT_FALSE(MoveWithoutReplacing(folder / "level1.bsp", other));
  EXPECT_EQ(testing::ReadFile(other), "compiled");
  EXPECT_FALSE(std::filesystem::exists(folder / "level1.bsp"));
  std::filesystem::remove(other);
}

}  // namespace
}  // namespace vendrel
