#include "logo.h"

#include <gtest/gtest.h>

#include "qt_app.h"

namespace vendrel::startup {
namespace {

TEST(Logo, ShowingStartsTheTimerWhoseTickHidesTheSplashAndHandsOver) {
  testing::App();
  Logo logo;
  int handedOver = 0;
  logo.onTimer = [&] { ++handedOver; };
  EXPECT_FALSE(logo.Timer1().isActive());
  logo.show();
  EXPECT_TRUE(logo.Timer1().isActive());
  EXPECT_TRUE(logo.Timer1().isSingleShot());
  EXPECT_EQ(logo.Timer1().interval(), 2500);

  logo.Timer1_Timer();
  EXPECT_FALSE(logo.isVisible());
  EXPECT_FALSE(logo.Timer1().isActive());
  EXPECT_EQ(handedOver, 1);
}

TEST(Logo, ClosingTheSplashIsTheMainWindowsUnload) {
  testing::App();
  Logo logo;
  int unloads = 0, handedOver = 0;
  logo.onUnload = [&] { ++unloads; };
  logo.onTimer = [&] { ++handedOver; };
  logo.show();
  logo.close();
  EXPECT_EQ(unloads, 1);
  EXPECT_FALSE(logo.Timer1().isActive()) << "no hand-over after the close";
  EXPECT_EQ(handedOver, 0);
}

}  // namespace
}  // namespace vendrel::startup
