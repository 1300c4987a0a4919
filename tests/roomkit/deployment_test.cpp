#include "deployment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "kit_test_support.h"
#include "room_file.h"

namespace vendrel::roomkit {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace testing;

constexpr const char* kScanning = "Status: Scanning... please wait!";

std::string RoomFileText(const DeployResult& result) { return ReadFile(result.roomFile); }

TEST(Deployment, TurnsATurnRoomFacingSouthAndWestIntoItsCanonicalOrientation) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kFixtures / "turn_south_west.vmf");

  ASSERT_EQ(result.outcome, DeployOutcome::Deployed) << result.fault;
  EXPECT_EQ(result.turns, 2);
  EXPECT_EQ(result.roomFile, kit.RoomsFolder() / "BendTest.rgr");
  const std::vector<std::string> lines = Lines(RoomFileText(result));
  ASSERT_GT(lines.size(), 22u);
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 19),
              ElementsAre("Bend Test", " 0 ", "1",  //
                          "0", "512", "0", " 1 ",   // direction 0: was the south connector
                          "512", "0", "0", " 2 ",   // direction 1: was the west one
                          "", "", "", "", "", "", "", ""));
  EXPECT_EQ(lines[21], "solid");
  EXPECT_EQ(lines.back(), "/\\/EOF\\/\\");
  const std::string body = RoomFileText(result);
  // Coordinates turned twice; the direction values stay as the designer wrote them.
  EXPECT_THAT(body, HasSubstr("\"origin\" \"-64 32 8\""));
  EXPECT_THAT(body, HasSubstr("\"origin\" \"0 512 0\"\r\n"));
  EXPECT_THAT(body, HasSubstr("\"direction\" \"2\""));
  EXPECT_THAT(body, HasSubstr("\"angles\" \"0 270 0\""));
  EXPECT_THAT(body, HasSubstr("\"angles\" \"0 45 0\""));  // a func_ entity keeps its angles
  EXPECT_THAT(body, HasSubstr("\"OnPressed\" \"door1,Open,,0,-1\""));
  EXPECT_THAT(body, Not(HasSubstr("versioninfo")));
  EXPECT_THAT(body, Not(HasSubstr("cameras")));
  EXPECT_THAT(body, Not(HasSubstr("skyname")));
}

TEST(Deployment, TurnsAnAlleyFacingWestOnce) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kFixtures / "alley_west.vmf");

  ASSERT_EQ(result.outcome, DeployOutcome::Deployed) << result.fault;
  EXPECT_EQ(result.turns, 1);
  const std::vector<std::string> lines = Lines(RoomFileText(result));
  EXPECT_THAT(std::vector<std::string>(lines.begin() + 3, lines.begin() + 7),
              ElementsAre("0", "512", "0", " 1 "));
  EXPECT_THAT(RoomFileText(result), HasSubstr("\"origin\" \"-32 -64 8\""));
}

TEST(Deployment, RenumbersIdentifiersFromOneInBodyOrder) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kFixtures / "turn_south_west.vmf");
  ASSERT_EQ(result.outcome, DeployOutcome::Deployed);

  std::vector<int> ids;
  const std::regex idRow("\"id\" \"([0-9]+)\"");
  const std::string body = RoomFileText(result);
  for (auto it = std::sregex_iterator(body.begin(), body.end(), idRow);
       it != std::sregex_iterator(); ++it) {
    ids.push_back(std::stoi((*it)[1]));
  }
  ASSERT_FALSE(ids.empty());
  for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], static_cast<int>(i) + 1);
}

TEST(Deployment, ReportsProgressStatusStatisticsAndCompletion) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kFixtures / "turn_south_west.vmf");
  ASSERT_EQ(result.outcome, DeployOutcome::Deployed);

  EXPECT_THAT(kit.host.statuses,
              ElementsAre(kScanning, "Status: Modifying and deploying map...", "Status: Done!"));
  ASSERT_EQ(kit.host.messages.size(), 1u);
  EXPECT_EQ(kit.host.messages[0].title, "Complete!");
  EXPECT_EQ(kit.host.messages[0].text, "Done! Your room is now located and named at: " +
                                           (kit.RoomsFolder() / "BendTest.rgr").string() +
                                           " Thank you!");
  EXPECT_EQ(kit.host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(kit.host.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(kit.host.progress.back(), 0);
  EXPECT_THAT(kit.host.progress, ::testing::IsSupersetOf({10.0, 40.0, 50.0, 75.0, 100.0}));

  const auto& shown = kit.display.shown;
  EXPECT_EQ(
      shown.at(KitField::MapFileSize),
      std::to_string(std::filesystem::file_size(kFixtures / "turn_south_west.vmf")) + " bytes");
  EXPECT_EQ(shown.at(KitField::RoomFileSize), std::to_string(result.roomFileSize) + " bytes");
  EXPECT_EQ(result.roomFileSize, std::filesystem::file_size(result.roomFile));
  EXPECT_EQ(shown.at(KitField::RoomName), "Bend Test");
  EXPECT_EQ(shown.at(KitField::Solids), "3");
  EXPECT_EQ(shown.at(KitField::Entities), "6");
  EXPECT_EQ(shown.at(KitField::Sides), "18");
  EXPECT_EQ(shown.at(KitField::Connections), "2");
  EXPECT_EQ(shown.at(KitField::RoomType), "Turn");
}

TEST(Deployment, AsksForCommentAndAuthorAndKeepsEachOnOneHeaderLine) {
  KitFixture kit;
  kit.host.textAnswers = {std::string("Dark, damp and narrow"), std::nullopt};
  const DeployResult result = kit.DeployText(AlleyMap());
  ASSERT_EQ(result.outcome, DeployOutcome::Deployed);

  ASSERT_EQ(kit.host.questions.size(), 2u);
  EXPECT_EQ(kit.host.questions[0].title, "Comments");
  EXPECT_EQ(kit.host.questions[0].text, "Add comments?");
  EXPECT_EQ(kit.host.questions[1].title, "Your Name");
  EXPECT_EQ(kit.host.questions[1].text, "Your Name or Nickname: (No Comments!)");
  const auto header = ReadRoomHeader(result.roomFile);
  EXPECT_EQ(header[19], "Dark; damp and narrow");
  EXPECT_EQ(header[20], "");
  EXPECT_EQ(Lines(RoomFileText(result))[20], "  ");
}

TEST(Deployment, UnansweredQuestionsWriteTheDefaultCommentAndAuthor) {
  KitFixture kit;
  const DeployResult result = kit.DeployText(AlleyMap());
  ASSERT_EQ(result.outcome, DeployOutcome::Deployed);
  const std::vector<std::string> lines = Lines(RoomFileText(result));
  EXPECT_EQ(lines[19], " Mega room; made By Quorl. Hello world! ") << "the comma becomes a semicolon";
  EXPECT_EQ(lines[20], " Quorl the Godlike ");
}

TEST(Deployment, MovesAnEarlierRoomFileOfTheSameNameToABackup) {
  KitFixture kit;
  ASSERT_EQ(kit.DeployText(AlleyMap("Big Room: 2/3"), "first.vmf").outcome,
            DeployOutcome::Deployed);
  const std::string first = ReadFile(kit.RoomsFolder() / "BigRoom23.rgr");
  const DeployResult second = kit.DeployText(MapText(Info("4", "Big Room: 2/3") + Connector("0") +
                                                     Light() + Weapon() + Light("light_spot")),
                                             "second.vmf");

  ASSERT_EQ(second.outcome, DeployOutcome::Deployed);
  ASSERT_TRUE(second.backup.has_value());
  EXPECT_THAT(second.backup->filename().string(),
              ::testing::MatchesRegex("BigRoom23\\.rgr\\.BCKP[1-9][0-9]"));
  EXPECT_EQ(ReadFile(*second.backup), first);
  EXPECT_NE(ReadFile(second.roomFile), first);
  EXPECT_EQ(Lines(ReadFile(second.roomFile))[0], "Big Room: 2/3");
}

TEST(Deployment, MapsWithLineFeedsOnlyDeployExactlyLikeThoseWithCarriageReturns) {
  KitFixture crlf, lf;
  std::string text = ReadFile(kFixtures / "turn_south_west.vmf");
  ASSERT_NE(text.find("\r\n"), std::string::npos);
  const DeployResult fromCrlf = crlf.DeployText(text);
  std::erase(text, '\r');
  const DeployResult fromLf = lf.DeployText(text);

  ASSERT_EQ(fromCrlf.outcome, DeployOutcome::Deployed);
  ASSERT_EQ(fromLf.outcome, DeployOutcome::Deployed);
  EXPECT_EQ(ReadFile(fromLf.roomFile), ReadFile(fromCrlf.roomFile));
}

TEST(Deployment, ADirectionFourConnectorCountsButLeavesNoTraceInTheHeader) {
  KitFixture kit;
  const DeployResult result = kit.DeployText(
      MapText(Info("4") + Connector("0") + Connector("4", "2", "64 64 0") + Light() + Weapon()));

  ASSERT_EQ(result.outcome, DeployOutcome::Deployed) << result.fault;
  EXPECT_EQ(kit.display.shown.at(KitField::Connections), "2");
  const auto header = ReadRoomHeader(result.roomFile);
  EXPECT_THAT(std::vector<std::string>(header.begin() + 3, header.begin() + 19),
              ElementsAre("0", "512", "0", "1", "", "", "", "", "", "", "", "", "", "", "", ""));
}

TEST(Deployment, DeploysAMapOfMoreThanAHundredThousandItems) {
  KitFixture kit;
  std::string brushes;
  constexpr int kSolids = 2000;
  for (int solid = 0; solid < kSolids; ++solid) {
    brushes += "solid\n{\n\"id\" \"" + std::to_string(solid + 2) + "\"\n";
    // A sound 64-unit box, as the map compiler's brush rules want.
    for (const char* plane : {"(0 64 64) (64 64 64) (64 0 64)", "(0 0 0) (64 0 0) (64 64 0)",
                              "(0 64 64) (0 0 64) (0 0 0)", "(64 64 0) (64 0 0) (64 0 64)",
                              "(64 64 64) (0 64 64) (0 64 0)", "(64 0 0) (0 0 0) (0 0 64)"}) {
      brushes += "side\n{\n\"id\" \"1\"\n\"plane\" \"" + std::string(plane) +
                 "\"\n\"material\" \"BRICK/BRICKWALL001A\"\n\"uaxis\" \"[1 0 0 0] 0.25\"\n}\n";
    }
    brushes += "}\n";
  }
  const std::string entities =
      Info("4", "Huge") + Connector("3", "1", "-512 0 0") + Light() + Weapon();
  const std::string text =
      "world\n{\n\"id\" \"1\"\n" + brushes + "}\n" + entities + "cameras\n{\n}\n";

  const DeployResult result = kit.DeployText(text);

  ASSERT_EQ(result.outcome, DeployOutcome::Deployed) << result.fault;
  EXPECT_EQ(kit.display.shown.at(KitField::Solids), std::to_string(kSolids));
  const Items body = ReadRoomBody(result.roomFile);
  EXPECT_GT(body.size(), 100000u);
  EXPECT_EQ(std::count(body.begin(), body.end(), "solid"), kSolids);
  EXPECT_EQ(std::count(body.begin(), body.end(), "(64 0 64) (64 -64 64) (0 -64 64)"), kSolids);
  // Identifiers of solids, sides and the four entities, counted up to the last.
  const auto lastId = std::find(body.rbegin(), body.rend(), "id");
  ASSERT_NE(lastId, body.rend());
  EXPECT_EQ(*(lastId - 1), std::to_string(kSolids * 7 + 4));
}

// The three questions: the answer No ends the deployment with nothing written.
struct QuestionCase {
  std::string label;
  std::string entities;
  std::string title;
  std::string text;
};

class Questions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(Questions, NoEndsTheDeploymentAndYesGoesOn) {
  const QuestionCase& c = GetParam();
  KitFixture declining;
  declining.host.answers = {MessageAnswer::No};
  const DeployResult declined = declining.DeployText(MapText(c.entities));

  EXPECT_EQ(declined.outcome, DeployOutcome::Declined);
  ASSERT_EQ(declining.host.messages.size(), 1u);
  EXPECT_EQ(declining.host.messages[0].title, c.title);
  EXPECT_EQ(declining.host.messages[0].text, c.text);
  EXPECT_EQ(declining.host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(declining.host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_THAT(declining.host.statuses, ElementsAre(kScanning));
  EXPECT_TRUE(declining.RoomFiles().empty());

  KitFixture accepting;
  EXPECT_EQ(accepting.DeployText(MapText(c.entities)).outcome, DeployOutcome::Deployed);
  EXPECT_EQ(accepting.RoomFiles().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Deployment, Questions,
    ::testing::Values(
        QuestionCase{"NoLights", Info("4") + Connector("0") + Weapon(), "No Lights",
                     "Your map has no lights! Do you want to continiune anyway?"},
        QuestionCase{"NoName", Info("4", "") + Connector("0") + Light() + Weapon(), "No Name",
                     "Your map has no name! Do you want to continiune anyway?"},
        QuestionCase{"NameOfRemovedCharactersOnly",
                     Info("4", " //: ") + Connector("0") + Light() + Weapon(), "No Name",
                     "Your map has no name! Do you want to continiune anyway?"},
        QuestionCase{"NoWeapons", Info("4") + Connector("0") + Light("light_dynamic"), "No Weapons",
                     "Your map has no weapons! Do you want to continiune anyway?"}),
    [](const auto& test) { return test.param.label; });

TEST(Deployment, ASpotlightIsLightEnough) {
  KitFixture kit;
  ASSERT_EQ(
      kit.DeployText(MapText(Info("4") + Connector("0") + Light("light_spot") + Weapon())).outcome,
      DeployOutcome::Deployed);
  for (const auto& message : kit.host.messages) EXPECT_NE(message.title, "No Lights");
}

TEST(Deployment, ARoomWithoutANameGetsAGeneratedFileNameAndAnEmptyNameLine) {
  KitFixture kit;
  const DeployResult result =
      kit.DeployText(MapText(Info("4", "") + Connector("0") + Light() + Weapon()));

  ASSERT_EQ(result.outcome, DeployOutcome::Deployed);
  EXPECT_THAT(result.roomFile.filename().string(), ::testing::MatchesRegex("[a-z]+\\.rgr"));
  EXPECT_EQ(Lines(RoomFileText(result))[0], "");
}

}  // namespace
}  // namespace vendrel::roomkit
