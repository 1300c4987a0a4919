#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "deployment.h"
#include "kit_test_support.h"

namespace vendrel::roomkit {
namespace {

using namespace testing;

constexpr const char* kSeveralInfos = "Several quilla_info detected! Only one is allowed!";
constexpr const char* kSameDirection = "More than one quilla_connector points in a direction!";
constexpr const char* kSizeAbove3 =
    "Incorrect size parameter in one of your quilla_connectors! Remove or replace them!";
constexpr const char* kEnvironmentLight =
    "Your room contains a forbiden light_environment, remove it first!";
constexpr const char* kNoInfo =
    "Your room got to have a quilla_info entity in it! Simply, add one!";
constexpr const char* kDifferentStory =
    "Your quilla_info describes a certain room type, but your quilla_connector s tell a diffrent "
    "story. Change your room type, modify your quilla_connector s or move them!";
constexpr const char* kPlayerStart =
    "Your map contains an info_player_start, even though it's not set to be a game start! Remove "
    "the info_player_start or set your room to be a player start in your quilla_info entity!";
constexpr const char* kInvalidType =
    "Your Roomtype was invalid! Please remove your quilla_info and add a new one!";

const std::string kPlayerStartEntity =
    EntityText({{"classname", "info_player_start"}, {"origin", "0 0 0"}});
const std::string kEnvironmentEntity =
    EntityText({{"classname", "light_environment"}, {"origin", "0 0 0"}});

struct FaultCase {
  std::string label;
  std::string map;
  // The fault; "@" stands for the line `below` lines under the one `faultyRow` stands on.
  std::string fault;
  std::string faultyRow = {};
  std::size_t below = 0;
};

std::string ExpectedFault(const FaultCase& c) {
  std::string fault = c.fault;
  const std::size_t at = fault.find('@');
  if (at != std::string::npos) {
    fault.replace(at, 1, std::to_string(LineOf(c.map, c.faultyRow) + c.below));
  }
  return fault;
}

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, AreShownInTwoBoxesAndNothingIsWritten) {
  const FaultCase& c = GetParam();
  KitFixture kit;
  const DeployResult result = kit.DeployText(c.map);

  const std::string fault = ExpectedFault(c);
  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(result.fault, fault);
  ASSERT_EQ(kit.host.messages.size(), 2u);
  EXPECT_EQ(kit.host.messages[0].title, "Warning!");
  const std::string named = fault.find("room.vmf") == std::string::npos ? "room.vmf: " + fault : fault;
  EXPECT_EQ(kit.host.messages[0].text, "There's a problem with this room: " + named);
  EXPECT_EQ(kit.host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(kit.host.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(kit.host.messages[1].title, "RDK");
  EXPECT_EQ(kit.host.messages[1].text, "Please, fix this error and try again!");
  EXPECT_EQ(kit.host.messages[1].icon, MessageIcon::Critical);
  EXPECT_EQ(kit.host.statuses.back(), "Status: Error occoured!");
  EXPECT_TRUE(kit.host.questions.empty());
  EXPECT_TRUE(kit.RoomFiles().empty());
}

const std::string kTurnConnectors = Connector("0") + Connector("1", "1", "512 0 0");

// A map of these entities with the top side of its floor brush moved.
std::string WithFloorTop(const std::string& entities, const std::string& plane) {
  std::string map = MapText(entities);
  const std::string top = "(-64 64 0) (64 64 0) (64 -64 0)";
  return map.replace(map.find(top), top.size(), plane);
}
const std::string kFlat = "(-64 64 -16) (64 64 -16) (64 -64 -16)";

INSTANTIATE_TEST_SUITE_P(
    Deployment, Faults,
    ::testing::Values(
        // Faults of the scan, each at the close of its entity.
        FaultCase{"SeveralInfos", MapText(Info("4") + Connector("0") + Info("4")), kSeveralInfos},
        FaultCase{"TwoConnectorsOneDirection", MapText(Info("1") + Connector("1") + Connector("1")),
                  kSameDirection},
        FaultCase{"TwoConnectorsOfDirectionFour",
                  MapText(Info("4") + Connector("0") + Connector("4") + Connector("4")),
                  kSameDirection},
        FaultCase{"ConnectorSizeAbove3", MapText(Info("4") + Connector("0", "4")), kSizeAbove3},
        FaultCase{"EnvironmentLight", MapText(Info("4") + Connector("0") + kEnvironmentEntity),
                  kEnvironmentLight},
        FaultCase{"ScanFaultsInEntityOrder",
                  MapText(kEnvironmentEntity + Info("4") + Info("4") + Connector("0")),
                  kEnvironmentLight},
        // The checks after the scan, in their order.
        FaultCase{"NoInfo", MapText(Connector("0") + kPlayerStartEntity), kNoInfo},
        FaultCase{"ConnectorsDoNotFitTheType", MapText(Info("0") + kTurnConnectors),
                  kDifferentStory},
        FaultCase{"TypeSevenWithConnectors", MapText(Info("7") + Connector("0")), kDifferentStory},
        FaultCase{"MisfitBeforePlayerStart",
                  MapText(Info("2") + kTurnConnectors + kPlayerStartEntity), kDifferentStory},
        FaultCase{"PlayerStartOutsideAGameStart",
                  MapText(Info("4") + Connector("0") + kPlayerStartEntity), kPlayerStart},
        FaultCase{"PlayerStartBeforeInvalidType", MapText(Info("9") + kPlayerStartEntity),
                  kPlayerStart},
        FaultCase{"TypeSevenWithoutConnectors", MapText(Info("7")), kInvalidType},
        FaultCase{"TypeNotANumber", MapText(Info("two way")), kInvalidType},
        FaultCase{"EmptyType", MapText(Info("")), kInvalidType},
        // Brushes the map compiler would refuse, after the room's own rules.
        FaultCase{"FlatBrush", WithFloorTop(Info("4") + Connector("0"), kFlat),
                  "At line @: brush 2 has no volume! Fix the brush in the editor, then save the map again!",
                  "\tsolid"},
        FaultCase{"OpenBrush", WithFloorTop(Info("4") + Connector("0"), "(-64 -64 -16) (64 -64 -16) (64 64 -16)"),
                  "At line @: brush 2 is not closed: its sides leave it open! Fix the brush in the editor, "
                  "then save the map again!",
                  "\tsolid"},
        FaultCase{"BrushFaultAfterTheRoomsRules", WithFloorTop(Info("0") + kTurnConnectors, kFlat), kDifferentStory},
        // Values the kit cannot read, each named with its line.
        FaultCase{
            "DirectionNotANumber", MapText(Info("4") + Connector("north")),
            "At line @: the \"direction\" value \"north\" is not a whole number from 0 to 255!",
            R"("direction" "north")"},
        FaultCase{"SizeAbove255", MapText(Info("4") + Connector("0", "300")),
                  "At line @: the \"size\" value \"300\" is not a whole number from 0 to 255!",
                  R"("size" "300")"},
        FaultCase{"NegativeSize", MapText(Info("4") + Connector("0", "-1")),
                  "At line @: the \"size\" value \"-1\" is not a whole number from 0 to 255!",
                  R"("size" "-1")"},
        FaultCase{"DirectionAboveFour", MapText(Info("4") + Connector("7")),
                  "At line @: a quilla_connector points in direction 7! Use 0, 1, 2 or 3 (or 4 for "
                  "none).",
                  R"("direction" "7")"},
        FaultCase{"GenreNotAWholeNumber",
                  MapText(EntityText({{"classname", "quilla_info"},
                                      {"roomtype", "4"},
                                      {"roomgenre", "1.5"}}) +
                          Connector("0")),
                  "At line @: the \"roomgenre\" value \"1.5\" is not a whole number!",
                  R"("roomgenre" "1.5")"},
        // A connection saved without an output name would cost the room file a brace.
        FaultCase{
            "KeyWithoutAName",
            MapText(Info("4") + Connector("0") + Light() +
                    "entity\r\n{\r\n\t\"classname\" \"func_button\"\r\n\tconnections\r\n\t{\r\n"
                    "\t\t\"\" \"door1,Open,,0,-1\"\r\n\t}\r\n}\r\n"),
            "At line @: a key without a name (\"\" \"door1,Open,,0,-1\")! Give that output a "
            "name or remove the connection in the editor, then save the map again!",
            R"("" "door1,Open,,0,-1")"},
        // A position the turn must compute with.
        FaultCase{
            "PositionNotANumber",
            MapText(Info("4") + Connector("3", "1", "-512 0 0") +
                    EntityText({{"classname", "light"}, {"origin", "a 0 8"}}) + Weapon()),
            "At line @: the value \"a 0 8\" of \"origin\" holds \"a\" where a number is needed!",
            R"("origin" "a 0 8")"},
        // Map text that would break the level printed from the room.
        FaultCase{"StrayWord",
                  MapText(Info("4") + Connector("0") + "stray\r\n" + Light() + Weapon()),
                  "At line @: the word \"stray\" is neither a key with its value on its line nor a "
                  "block name followed by {!",
                  "stray"},
        FaultCase{"ClosingBraceTooMany",
                  MapText(Info("4") + Connector("0") + Light() + Weapon() + "}\r\n"),
                  "At line @: a } that closes no block!", R"("spawnwhat" "1")", 3},
        FaultCase{
            "KeyOutsideEveryBlock",
            MapText(Info("4") + Connector("0") + Light() + Weapon() + "\"strayKey\" \"1\"\r\n"),
            "At line @: the key \"strayKey\" stands outside every block!", "strayKey"},
        FaultCase{
            "ControlByteInAValue",
            MapText(Info("4") + Connector("0") +
                    EntityText({{"classname", "light"}, {"targetname", "l\x01mp"}}) + Weapon()),
            "At line @: an item holds the control byte 1 (a binary file, or line ends other "
            "than CR LF)!",
            "\x01"},
        FaultCase{
            "OriginFarOutsideTheWorld",
            MapText(Info("4") + Connector("0") +
                    EntityText({{"classname", "light"}, {"origin", "0 0 99999"}}) + Weapon()),
            "At line @: the value \"0 0 99999\" of \"origin\" holds \"99999\", far outside the "
            "world (beyond 32768 from its middle)!",
            "99999"},
        FaultCase{"AngleNotFinite",
                  MapText(Info("4") + Connector("0") +
                          EntityText({{"classname", "light"}, {"angles", "0 nan 0"}}) + Weapon()),
                  "At line @: the value \"0 nan 0\" of \"angles\" holds \"nan\", which is not a "
                  "finite number!",
                  "nan"}),
    [](const auto& test) { return test.param.label; });

TEST(DeploymentFaults, ABlockLeftOpenIsReportedAtTheCameras) {
  KitFixture kit;
  std::string map = AlleyMap();
  const std::string weaponEnd = "\t\"origin\" \"0 0 16\"\r\n}\r\n";
  map.replace(map.rfind(weaponEnd), weaponEnd.size(), "\t\"origin\" \"0 0 16\"\r\n");
  const DeployResult result = kit.DeployText(map);

  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(result.fault, "At line " + std::to_string(LineOf(map, "cameras")) +
                              ": the block \"entity\" opened at line " +
                              std::to_string(LineOf(map, R"("spawnwhat" "1")") - 3) +
                              " is never closed!");
  EXPECT_TRUE(kit.RoomFiles().empty());
}

// The room begins at the first brush and takes the next closing brace at the world's
// depth for the world's end, so a hidden first brush would cost it its braces.
TEST(DeploymentFaults, AFirstBrushInsideAnotherBlockIsReported) {
  KitFixture kit;
  std::string map = AlleyMap();
  map.replace(map.find("\tsolid\r\n"), 8, "\thidden\r\n\t{\r\n\tsolid\r\n");
  map.replace(map.find("\t}\r\n}\r\n"), 7, "\t}\r\n\t}\r\n}\r\n");
  const DeployResult result = kit.DeployText(map);

  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(result.fault,
            "At line " + std::to_string(LineOf(map, "\tsolid")) +
                ": the first brush stands inside the block \"hidden\" opened at line " +
                std::to_string(LineOf(map, "\thidden") + 1) + ", not directly in the world block!");
  EXPECT_TRUE(kit.RoomFiles().empty());
}

TEST(DeploymentFaults, AMapThatCannotBeOpenedIsReported) {
  KitFixture kit;
  const DeployResult result = kit.Deploy(kit.temp / "missing.vmf");

  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_THAT(result.fault, ::testing::StartsWith("Your map file couldn't be read: " +
                                                  (kit.temp / "missing.vmf").string()));
  EXPECT_EQ(kit.host.messages.size(), 2u);
  EXPECT_TRUE(kit.RoomFiles().empty());
}

TEST(DeploymentFaults, AMapWithoutCamerasIsReportedWithItsSizeShown) {
  KitFixture kit;
  std::string text = AlleyMap();
  text.erase(text.find("cameras"));
  const DeployResult result = kit.DeployText(text);

  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(result.fault, "Your map file " + (kit.temp / "room.vmf").string() +
                              " has no cameras block, so it was not saved whole by the level "
                              "editor! Save it again from the editor.");
  EXPECT_EQ(kit.display.shown.at(KitField::MapFileSize), std::to_string(text.size()) + " bytes");
  EXPECT_TRUE(kit.RoomFiles().empty());
}

TEST(DeploymentFaults, TheStatisticsShownSoFarStay) {
  KitFixture kit;
  const DeployResult result =
      kit.DeployText(MapText(Info("0", "Misfit") + Connector("0") + Connector("1")));

  ASSERT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(kit.display.shown.at(KitField::RoomName), "Misfit");
  EXPECT_EQ(kit.display.shown.at(KitField::Connections), "2");
  EXPECT_EQ(kit.display.shown.at(KitField::RoomType), "Two Way");
  EXPECT_EQ(kit.display.shown.at(KitField::RoomFileSize), "");
}

TEST(DeploymentFaults, AFaultDoesNotTouchAnEarlierRoomFile) {
  KitFixture kit;
  ASSERT_EQ(kit.DeployText(AlleyMap("Keep Me")).outcome, DeployOutcome::Deployed);
  const std::string before = ReadFile(kit.RoomsFolder() / "KeepMe.rgr");

  const DeployResult result = kit.DeployText(MapText(Info("4", "Keep Me") + Connector("0", "9")));

  EXPECT_EQ(result.outcome, DeployOutcome::Faulted);
  EXPECT_EQ(kit.RoomFiles().size(), 1u);
  EXPECT_EQ(ReadFile(kit.RoomsFolder() / "KeepMe.rgr"), before);
}

}  // namespace
}  // namespace vendrel::roomkit
