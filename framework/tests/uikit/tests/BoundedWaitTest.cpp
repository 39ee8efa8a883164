#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

TEST(BoundedWait, ReturnsAsSoonAsTheEventCame) {
  std::atomic<bool> filled{false};
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    filled = true;
  });
  int checksAfterTheEvent = 0;
  ::testing::AssertionResult result = lwtest::WaitUntil(_T("the list filled"), [&] {
    if (!filled.load()) return false;
    ++checksAfterTheEvent;
    return true;
  });
  other.join();
  EXPECT_TRUE(result);
  EXPECT_EQ(1, checksAfterTheEvent) << "the wait ran on after the event";
}

TEST(BoundedWait, GivesUpAfterItsBoundNamingWhatItWaitedFor) {
  int checks = 0;
  ::testing::AssertionResult result = lwtest::WaitUntil(_T("the list filled"), [&] {
    ++checks;
    return false;
  }, 100);
  EXPECT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("waited 100 ms in vain for the list filled"), std::string::npos)
      << result.message();
  // It kept looking until the bound, not once.
  EXPECT_GT(checks, 1);
}

TEST(BoundedWait, TheWaitIsOpenForTheWatchdogWhileItRuns) {
  std::string seen;
  EXPECT_TRUE(lwtest::WaitUntil(_T("the form"), [&] {
    seen = lwtest::OpenWaits();
    return true;
  }));
  EXPECT_EQ(seen, "the form");
  EXPECT_EQ(lwtest::OpenWaits(), "");
}

}  // namespace
