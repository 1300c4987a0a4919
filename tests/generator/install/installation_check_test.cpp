#include "installation_check.h"

#include <gtest/gtest.h>

#include "account_file.h"
#include "install_fixture.h"
#include "recording_host.h"

namespace vendrel {
namespace {

constexpr const char* kVvisWarning =
    "Vvis.exe could not be found in your sourcesdk/bin folder. You will not be able to compile "
    "your maps correctly!";
constexpr const char* kVradWarning =
    "Vrad.exe could not be found in your sourcesdk/bin folder. You will not be able to compile "
    "your maps correctly!";

class InstallationCheckTest : public testing::InstallFixture {
 protected:
  InstallationCheck Check() { return CheckInstallation(host, programFolder, account); }
  void Store(bool isDefault, const std::filesystem::path& accountFolder) {
    ASSERT_TRUE(WriteAccountFile(programFolder, {isDefault, accountFolder.string()}));
  }

  testing::RecordingHost host;
  StartUpAccount account;
};

TEST_F(InstallationCheckTest, AStoredDefaultAccountIsReadyWithoutAsking) {
  Store(true, MakeAccount("player one"));
  const InstallationCheck check = Check();
  EXPECT_EQ(check.state, InstallationState::Ready);
  EXPECT_EQ(check.userAccount, "player one");
  EXPECT_EQ(account.accountFolder, (steamFolder / "steamapps" / "player one").string());
  EXPECT_FALSE(account.accountAsked);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(InstallationCheckTest, AMissingFileOrAnAccountNotTheDefaultAsksOnceThenCounts) {
  EXPECT_EQ(Check().state, InstallationState::AskAccount) << "no cindrpath.ini";
  EXPECT_TRUE(account.accountAsked);

  account = {};
  Store(false, MakeAccount("player"));
  EXPECT_EQ(Check().state, InstallationState::AskAccount);
  EXPECT_TRUE(account.accountAsked);
  EXPECT_TRUE(account.accountFolder.empty());
  // The account window wrote the file: the second pass reads it although line 1 is 0.
  EXPECT_EQ(Check().state, InstallationState::Ready);
}

TEST_F(InstallationCheckTest, AMissingGameOrFirstToolAsksForAnAccountWithoutAMessage) {
  for (const auto& accountFolder : {MakeAccount("nogame", false), MakeAccount("nokit", true, 0)}) {
    account = {};
    Store(true, accountFolder);
    EXPECT_EQ(Check().state, InstallationState::AskAccount) << accountFolder;
    EXPECT_TRUE(account.accountFolder.empty());
    EXPECT_TRUE(account.accountAsked);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(InstallationCheckTest, MissingSecondAndThirdToolsAreWarnedAboutAndStartUpGoesOn) {
  Store(true, MakeAccount("bsponly", true, 1));
  const InstallationCheck check = Check();
  EXPECT_EQ(check.state, InstallationState::Ready);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].text, kVvisWarning);
  EXPECT_EQ(host.messages[1].text, kVradWarning);
  for (const auto& message : host.messages) {
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
  }

  host.messages.clear();
  std::filesystem::remove(steamFolder / "steamapps" / "bsponly" / "sourcesdk" / "bin" / "vbsp.exe");
  const auto withVis = MakeAccount("withvis", true, 2);
  account = {};
  Store(true, withVis);
  EXPECT_EQ(Check().state, InstallationState::Ready);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kVradWarning);
}

}  // namespace
}  // namespace vendrel
