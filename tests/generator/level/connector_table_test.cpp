#include "connector_table.h"

#include <gtest/gtest.h>

#include "number_text.h"

namespace vendrel {
namespace {

std::array<RoomConnector, 4> Connectors(std::array<const char*, 4> xy) {
  std::array<RoomConnector, 4> connectors;
  for (std::size_t d = 0; d < 4; ++d) {
    if (xy[d] == nullptr) continue;
    const std::string text = xy[d];
    const std::size_t blank = text.find(' ');
    connectors[d] = {true, text.substr(0, blank), text.substr(blank + 1), "8", 1};
  }
  return connectors;
}

std::string Text(const Vec3& point) {
  return FormatNumber(point.x) + " " + FormatNumber(point.y) + " " + FormatNumber(point.z);
}

struct PairingCase {
  int direction;
  Vec3 offset;
};

class PlacementOffsetTest : public ::testing::TestWithParam<PairingCase> {};

// The entry cell sits at (1000, 2000) with connectors 0..3 on its four sides, 256 out; the
// new room's connectors are 128 out. Its facing connector must land on the entry cell's.
TEST_P(PlacementOffsetTest, PairsTheFacingConnectors) {
  ConnectorTable table;
  for (Vec3& point : table.Record(1, Connectors({"0 256", "256 0", "0 -256", "-256 0"}))) {
    point = {point.x + 1000, point.y + 2000, point.z + 8};
  }
  const auto turned = Connectors({"0 128", "128 0", "0 -128", "-128 0"});
  const int n = GetParam().direction;
  const Vec3 offset = PlacementOffset(table, 1, n, turned);
  EXPECT_EQ(Text(offset), Text(GetParam().offset));
  const Vec3 own = ConnectorPoint(turned[static_cast<std::size_t>((n + 1) % 4)]);
  EXPECT_EQ(Text({own.x + offset.x, own.y + offset.y, own.z + offset.z}),
            Text(table.Connector(1, n - 1)));
}

INSTANTIATE_TEST_SUITE_P(Directions, PlacementOffsetTest,
                         ::testing::Values(PairingCase{1, {1000, 2384, 8}},
                                           PairingCase{2, {1384, 2000, 8}},
                                           PairingCase{3, {1000, 1616, 8}},
                                           PairingCase{4, {616, 2000, 8}}),
                         [](const ::testing::TestParamInfo<PairingCase>& testCase) {
                           return "direction" + std::to_string(testCase.param.direction);
                         });

TEST(ConnectorTable, FirstCellSitsAtTheOriginAndCellsAreRecordedInOrder) {
  ConnectorTable table;
  EXPECT_EQ(Text(PlacementOffset(table, 0, 3, Connectors({"0 128", nullptr, nullptr, nullptr}))),
            "0 0 0");
  table.Record(1, Connectors({"0 128", nullptr, nullptr, nullptr}));
  EXPECT_EQ(table.LastPlaced(), 1);
  EXPECT_THROW(table.Record(3, Connectors({"0 1", nullptr, nullptr, nullptr})), std::logic_error);
  EXPECT_THROW(table.Connector(2, 0), std::out_of_range);
  EXPECT_THROW(ConnectorPoint({true, "x", "0", "0", 1}), NumberTextError);
  table.Clear();
  EXPECT_EQ(table.LastPlaced(), 0);
}

}  // namespace
}  // namespace vendrel
