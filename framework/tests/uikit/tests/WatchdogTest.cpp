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

// Had the end of the watchdog waited for its bound instead of stopping it,
// the watchdog would end the process with its own exit code instead of 0.
TEST(WatchdogDeathTest, ATestThatEndsInTimeStopsItAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        { lwtest::Watchdog dog(60); }
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
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
