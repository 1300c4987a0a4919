#include "room_picture.h"

#include <gtest/gtest.h>

#include "map_file_size.h"
#include "map_format_error.h"
#include "picture_colours.h"
#include "preview_fixtures.h"

namespace vendrel::preview {
namespace {

using testing::CountColour;

const QColor kConnector(255, 245, 200);
const QColor kWeapon(80, 160, 255);
const QColor kRoomInfo(200, 120, 255);
const QColor kMonster(235, 60, 60);

TEST(RoomPicture, ShowsConnectorsAndPlaceholdersOfAMapAndOfItsRoomFile) {
  for (const std::filesystem::path& file :
       {std::filesystem::path(VENDREL_DATA_SOURCES) / "rooms/market_hall.vmf",
        std::filesystem::path(VENDREL_BUNDLED_ROOMS) / "MarketHall.rgr"}) {
    const QImage picture = PreviewRoom(file);
    EXPECT_GT(CountColour(picture, kConnector), 3 * 100) << file;
    EXPECT_GT(CountColour(picture, kWeapon), 20) << file;
    EXPECT_GT(CountColour(picture, kRoomInfo), 20) << file;
    EXPECT_GT(CountColour(picture, kMonster), 2 * 20) << file;
  }
}

TEST(RoomPicture, WiderConnectorsDrawWiderArrows) {
  const testing::TempFolder folder;
  const auto arrowPixels = [&](int size) {
    testing::WriteFile(folder / "room.vmf",
                       "entity\r\n{\r\n\"classname\" \"quilla_connector\"\r\n\"origin\" \"0 512 0\"\r\n\"direction\" \"0\"\r\n"
                       "\"size\" \"" + std::to_string(size) + "\"\r\n}\r\n");
    return CountColour(PreviewRoom(folder / "room.vmf"), kConnector);
  };
  EXPECT_LT(arrowPixels(0), arrowPixels(3));
}

TEST(RoomPicture, AMapLargerThanARoomMayBeIsRefusedUnread) {
  const testing::TempFolder folder;
  const std::filesystem::path map = folder / "huge.vmf";
  testing::WriteFile(map, "world\r\n{\r\n");
  std::filesystem::resize_file(map, kLargestRoomMapBytes + 1);  // sparse: nothing to read
  try {
    PreviewRoom(map);
    FAIL() << "drawn";
  } catch (const MapFormatError& error) {
    EXPECT_NE(std::string(error.what()).find("huge.vmf: holds 33554433 bytes"), std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace vendrel::preview
