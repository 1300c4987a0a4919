#include "gauge_fixture.h"

namespace vendrel::testing {
namespace {

const QColor kBack(0, 64, 0);

// Red at the left end to blue at the right, over a dark green surface, 200 pixels wide.
class GradomatPaint : public GaugeTest {
 protected:
  void SetUp() override {
    GaugeTest::SetUp();
    gauge.SetBackColor(kBack);
    gauge.SetForeColor(QColor(255, 0, 0));
    gauge.SetSecondForeColor(QColor(0, 0, 255));
  }

  // The column must be one colour from top to bottom.
  QColor Column(const QImage& image, int x) {
    const QColor top = image.pixelColor(x, 0);
    EXPECT_EQ(image.pixelColor(x, image.height() - 1), top) << "column " << x;
    return top;
  }
};

TEST_F(GradomatPaint, BarFillsColumnsUpToTheValueWithTheGradientOfTheWholeWidth) {
  gauge.SetMax(100);
  Settle(50);
  const QImage image = Render();
  EXPECT_EQ(Column(image, 0), QColor(255, 0, 0));
  EXPECT_EQ(Column(image, 50), QColor(191, 0, 64));   // t = 0.25
  EXPECT_EQ(Column(image, 100), QColor(128, 0, 128));  // t = 0.5: 127.5 rounds to even
  EXPECT_EQ(Column(image, 101), kBack);
  EXPECT_EQ(Column(image, 199), kBack);

  Settle(100);
  EXPECT_EQ(Column(Render(), 199), QColor(1, 0, 254));
}

TEST_F(GradomatPaint, PositionBarDrawsAMarkerAWidthStepWideEachSide) {
  gauge.SetMax(10);
  gauge.SetBarType(Gradomat::TYPE_PositionBar);
  Settle(5);
  QImage image = Render();
  EXPECT_EQ(Column(image, 0), kBack);
  EXPECT_EQ(Column(image, 79), kBack);
  EXPECT_EQ(Column(image, 80), QColor(153, 0, 102));  // t = 0.4
  EXPECT_EQ(Column(image, 120), QColor(102, 0, 153));
  EXPECT_EQ(Column(image, 121), kBack);

  Settle(0);
  image = Render();
  EXPECT_EQ(Column(image, 0), QColor(255, 0, 0));
  EXPECT_EQ(Column(image, 19), QColor(231, 0, 24));
  EXPECT_NE(Column(image, 20), kBack);
  EXPECT_EQ(Column(image, 21), kBack);

  Settle(10);
  image = Render();
  EXPECT_EQ(Column(image, 179), kBack);
  EXPECT_NE(Column(image, 180), kBack);
  EXPECT_EQ(Column(image, 181), QColor(24, 0, 231));
  EXPECT_EQ(Column(image, 199), QColor(1, 0, 254));
}

TEST_F(GradomatPaint, UnknownBarTypeDrawsNothing) {
  gauge.SetMax(10);
  Settle(5);
  gauge.SetBarType(static_cast<Gradomat::BAR_TYPE_CONSTANTS>(7));
  const QImage image = Render();
  for (int x : {0, 50, 100, 199}) EXPECT_EQ(Column(image, x), kBack);
}

TEST_F(GradomatPaint, DrawLineDrawsOnTheSurface) {
  gauge.DrawLine(30, 0, 30, 19, QColor(9, 8, 7));
  const QImage image = Render();
  EXPECT_EQ(Column(image, 30), QColor(9, 8, 7));
  EXPECT_EQ(Column(image, 31), kBack);
}

}  // namespace
}  // namespace vendrel::testing
