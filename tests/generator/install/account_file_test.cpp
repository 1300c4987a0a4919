#include "account_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vendrel {
namespace {

TEST(AccountFile, WritesTheFlagAndTheFolderAndReadsThemBack) {
  testing::TempFolder folder;
  EXPECT_EQ(ReadAccountFile(folder.Path()), std::nullopt);
  ASSERT_TRUE(WriteAccountFile(folder.Path(), {true, "/home/p/Steam/steamapps/my name"}));
  EXPECT_EQ(testing::ReadFile(folder / "cindrpath.ini"), "1\r\n/home/p/Steam/steamapps/my name\r\n");
  auto stored = ReadAccountFile(folder.Path());
  ASSERT_TRUE(stored.has_value());
  EXPECT_TRUE(stored->isDefault);
  EXPECT_EQ(stored->accountFolder, "/home/p/Steam/steamapps/my name");

  ASSERT_TRUE(WriteAccountFile(folder.Path(), {false, "/a"}));
  stored = ReadAccountFile(folder.Path());
  ASSERT_TRUE(stored.has_value());
  EXPECT_FALSE(stored->isDefault);
  EXPECT_EQ(stored->accountFolder, "/a");
}

TEST(AccountFile, ReadsWhatOtherWritersLeave) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "cindrpath.ini", " 1 \n/b\n");
  EXPECT_TRUE(ReadAccountFile(folder.Path())->isDefault);
  testing::WriteFile(folder / "cindrpath.ini", "yes\r\n");
  const auto stored = ReadAccountFile(folder.Path());
  EXPECT_FALSE(stored->isDefault);
  EXPECT_EQ(stored->accountFolder, "");
  testing::WriteFile(folder / "cindrpath.ini", "1\r\n/home/p\tq\x1d/steamapps/me\r\r\n");
  EXPECT_EQ(ReadAccountFile(folder.Path())->accountFolder, "/home/pq/steamapps/me")
      << "control characters never become part of the folder";
}

}  // namespace
}  // namespace vendrel
