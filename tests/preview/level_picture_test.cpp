#include "level_picture.h"

#include <gtest/gtest.h>

#include "map_markers.h"
#include "picture_colours.h"
#include "preview_fixtures.h"

namespace vendrel::preview {
namespace {

using testing::CountColour;
using testing::kPreviewFixtures;

const QColor kPlayerStart(60, 220, 90);
const QColor kMonster(235, 60, 60);
const QColor kDoorway(255, 245, 200);
const QColor kLeak(255, 40, 40);

TEST(LevelPicture, RoomsTakeTheColourOfTheirDepthAndTheMarkersShow) {
  const LevelMap map = ReadLevelMap(kPreviewFixtures / "generated_level.vmf");
  SolidGrid grid(map.brushes);
  const LevelCheck check = CheckLevel(map, grid);
  const LevelLayout layout = FindLayout(map, grid);
  const QImage picture = DrawLevelPicture(map, layout, check, "3");

  EXPECT_GE(picture.width(), 720);
  EXPECT_LE(picture.width(), 1500);
  EXPECT_LE(picture.height(), 1300);
  for (const LayoutRoom& room : layout.rooms) {
    EXPECT_GT(CountColour(picture, DepthColour(room.depth)), 2000) << "room at depth " << room.depth;
  }
  EXPECT_NE(DepthColour(0).rgb(), DepthColour(1).rgb());
  EXPECT_GT(CountColour(picture, kPlayerStart), 50);
  EXPECT_GT(CountColour(picture, kMonster), 50);
  EXPECT_GT(CountColour(picture, kDoorway), 4 * 20);
  EXPECT_EQ(CountColour(picture, kLeak), 0);
}

TEST(LevelPicture, ALeakIsDrawnAsALine) {
  const LevelPreview leaking = PreviewLevel(kPreviewFixtures / "leaking_room.vmf", "");
  EXPECT_FALSE(leaking.check.Passed());
  EXPECT_GT(CountColour(leaking.picture, kLeak), 100);
  const LevelPreview sealed = PreviewLevel(kPreviewFixtures / "sealed_room.vmf", "");
  EXPECT_TRUE(sealed.check.Passed());
  EXPECT_EQ(CountColour(sealed.picture, kLeak), 0);
}

TEST(LevelPicture, TheSeedGoesInTheTopBandOnly) {
  const QImage with = PreviewLevel(kPreviewFixtures / "sealed_room.vmf", "1234").picture;
  const QImage without = PreviewLevel(kPreviewFixtures / "sealed_room.vmf", "").picture;
  ASSERT_EQ(with.size(), without.size());
  EXPECT_NE(with.copy(0, 0, with.width(), 36), without.copy(0, 0, without.width(), 36));
  EXPECT_EQ(with.copy(0, 36, with.width(), with.height() - 36), without.copy(0, 36, without.width(), without.height() - 36));
}

TEST(LevelPicture, AMapWithoutBrushesStillDraws) {
  const testing::TempFolder folder;
  testing::WriteFile(folder / "empty.vmf", "world\r\n{\r\n}\r\nentity\r\n{\r\n\"classname\" \"info_player_start\"\r\n"
                                           "\"origin\" \"0 0 0\"\r\n}\r\n");
  const LevelPreview preview = PreviewLevel(folder / "empty.vmf", "");
  EXPECT_FALSE(preview.picture.isNull());
  EXPECT_FALSE(preview.check.Passed()) << "a start in the void leaks";
}

}  // namespace
}  // namespace vendrel::preview
