#include <QFontInfo>

#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

using vendrel::testing::PrintTo;  // found by the cases' own lookup

struct CaptionCase {
  const char* name;
  const char* suffix;
  const char* caption;
};

class GradomatCaption : public GaugeTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(GradomatCaption, ReadsTheShownNumberThenABlankAndTheSuffix) {
  gauge.SetMax(100);
  gauge.SetLabelAdd(QString::fromLatin1(GetParam().suffix));
  Settle(12);
  EXPECT_EQ(Label().text(), QString::fromLatin1(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Suffixes, GradomatCaption,
                         ::testing::Values(CaptionCase{"NoSuffix", "", "12"},
                                           CaptionCase{"Suffix", "rooms", "12 rooms"},
                                           CaptionCase{"SuffixWithLeadingBlank", " rooms",
                                                       "12  rooms"},
                                           CaptionCase{"Percent", "0 %", "12 0 %"}),
                         CaseName());

TEST_F(GaugeTest, CaptionFollowsTheBarWhileItMoves) {
  gauge.SetMax(100);
  gauge.SetLabelAdd(QStringLiteral("%"));
  gauge.SetValue(100);
  EXPECT_EQ(Label().text(), QStringLiteral("10 %"));
  gauge.DrawValue();
  EXPECT_EQ(Label().text(), QStringLiteral("19 %"));
}

TEST_F(GaugeTest, LabelIsHiddenUntilShownAndSitsAFontSizeAboveTheMiddle) {
  EXPECT_FALSE(gauge.ShowLabel());
  EXPECT_FALSE(Label().isVisible());
  gauge.SetShowLabel(true);
  EXPECT_TRUE(Label().isVisible());

  QFont font = gauge.font();
  font.setPointSize(10);
  gauge.setFont(font);
  gauge.resize(150, 40);
  ASSERT_EQ(qRound(QFontInfo(Label().font()).pointSizeF()), 10) << "the label takes the font";
  EXPECT_EQ(Label().geometry(), QRect(0, 40 / 2 - 10, 150, 40 - (40 / 2 - 10)));
}

}  // namespace
}  // namespace vendrel::testing
