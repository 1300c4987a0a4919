#include "decimal_symbol.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "fixed_clock.h"
#include "recording_host.h"
#include "temp_folder.h"

namespace vendrel {
namespace {

TEST(DecimalSymbol, ComesFromTheNumericLocale) {
  EXPECT_EQ(DecimalSymbolOf("C"), ".");
  EXPECT_EQ(DecimalSymbolOf("de_DE.UTF-8"), ",");
  EXPECT_EQ(DecimalSymbolOf("xx_NOWHERE.nothing"), "");
}

// The user's locale for one test: LC_ALL set, and put back afterwards.
class UserLocale {
 public:
  explicit UserLocale(const char* name) {
    if (const char* old = std::getenv("LC_ALL")) saved_ = old;
    setenv("LC_ALL", name, 1);
  }
  ~UserLocale() {
    if (saved_) {
      setenv("LC_ALL", saved_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }

 private:
  std::optional<std::string> saved_;
};

TEST(DecimalSymbol, SetCorrectPCLogsItToTheFileAndRealsInLogTextsUseIt) {
  testing::TempFolder folder;
  testing::RecordingHost host;
  testing::FixedClock clock;
  LogService log(host, clock, folder.Path());
  EXPECT_EQ(log.Number(12.5), "12.5") << "before start-up: a point";
  {
    UserLocale german("de_DE.UTF-8");
    EXPECT_EQ(GetDecimal(), ",");
    SetCorrectPC(log);
  }
  EXPECT_EQ(log.DecimalSymbol(), ",");
  EXPECT_EQ(testing::ReadFile(log.FilePath()),
            "[05:07:09] Vendrel Log File\r\n[05:07:09] Standard Decimal Symbol set to: ,\r\n");
  EXPECT_TRUE(host.statuses.empty()) << "log file only";
  EXPECT_EQ(log.Number(-12.5), "-12,5");
  EXPECT_EQ(log.Number(0.125), "0,125");
  EXPECT_EQ(log.Number(64), "64");
  log.SetDecimalSymbol("");
  EXPECT_EQ(log.Number(1.5), "1.5") << "an unreadable symbol leaves the point";
}

}  // namespace
}  // namespace vendrel
