#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

void HangWaitingForTheBox() {
  lwtest::Watchdog dog(1);
  lwtest::WaitingFor waiting(_T("the message box Frage"));
  for (;;) std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the hang under test
}

TEST(WatchdogDeathTest, EndsAHungTestNamingTheTestAndWhatItWaitedFor) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(HangWaitingForTheBox(), ::testing::ExitedWithCode(lwtest::kWatchdogExitCode),
              "EndsAHungTestNamingTheTestAndWhatItWaitedFor hung for 1 s, waiting for the message box Frage");
}

TEST(Watchdog, ATestThatEndsInTimeStopsItAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  { lwtest::Watchdog dog(60); }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Watchdog, OpenWaitsAreListedOldestFirstUntilTheyEnd) {
  EXPECT_EQ(lwtest::OpenWaits(), "");
  {
    lwtest::WaitingFor outer(_T("the sheet"));
    {
      lwtest::WaitingFor inner(_T("the box"));
      EXPECT_EQ(lwtest::OpenWaits(), "the sheet / the box");
      inner.Text(_T("the second box"));
      EXPECT_EQ(lwtest::OpenWaits(), "the sheet / the second box");
    }
    EXPECT_EQ(lwtest::OpenWaits(), "the sheet");
  }
  EXPECT_EQ(lwtest::OpenWaits(), "");
}

}  // namespace
