#include "share_list.h"

#include <gtest/gtest.h>

#include "param_name.h"
#include "scripted_random.h"

namespace vendrel {
namespace {

struct ShareCase {
  const char* name;
  double draw;
  bool withNoSpawnShare;
  const char* drawn;
};

class ShareListDraws : public ::testing::TestWithParam<ShareCase> {};

// Shares 1 and 3: the second is drawn three times as often as the first; with a no-spawn
// share of 4 beside them nothing is drawn half of the time.
TEST_P(ShareListDraws, FirstRunningShareAboveTheDraw) {
  const ShareCase& c = GetParam();
  ShareList list;
  list.Add("first", 1);
  list.Add("second", 3);
  if (c.withNoSpawnShare) list.AddNoSpawnShare(4);
  testing::ScriptedRandom random({c.draw});
  EXPECT_EQ(list.Get(random), c.drawn);
  EXPECT_EQ(random.randaCalls, 2) << "a reseed before the sums and one before the draw";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShareListDraws,
    ::testing::Values(ShareCase{"Start", 0, false, "first"},
                      ShareCase{"BelowFirstShare", 0.2499, false, "first"},
                      ShareCase{"AtFirstShare", 0.25, false, "second"},
                      ShareCase{"End", 0.9999, false, "second"},
                      ShareCase{"FirstWithNoSpawn", 0.1249, true, "first"},
                      ShareCase{"SecondWithNoSpawn", 0.4999, true, "second"},
                      ShareCase{"NoSpawnAtHalf", 0.5, true, ""},
                      ShareCase{"NoSpawnAtEnd", 0.9999, true, ""}),
    testing::ParamName());

TEST(ShareList, KeepsCountAndTotalAndSkipsNamelessEntries) {
  ShareList list;
  list.Add("", 5);
  list.Add("a", 2);
  list.AddNoSpawnShare(1.5);
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Entries()[1].name, "");
  EXPECT_EQ(list.Total(), 3.5);
  list.Clear();
  EXPECT_TRUE(list.Entries().empty());
  EXPECT_EQ(list.Total(), 0);
}

TEST(ShareList, NothingToShareOutDrawsNothing) {
  testing::ScriptedRandom random;  // no draws scripted: none may be taken
  ShareList empty;
  EXPECT_EQ(empty.Get(random), "");
  ShareList zeroWeights;
  zeroWeights.Add("a", 0);
  zeroWeights.Add("b", 0);
  EXPECT_EQ(zeroWeights.Get(random), "");
}

}  // namespace
}  // namespace vendrel
