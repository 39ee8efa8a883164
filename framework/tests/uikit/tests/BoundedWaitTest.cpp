#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

TEST(BoundedWait, ReturnsAsSoonAsTheEventCame) {
  std::atomic<bool> filled{false};
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    filled = true;
  });
  const auto start = Clock::now();
  ::testing::AssertionResult result = lwtest::WaitUntil(_T("the list filled"), [&] { return filled.load(); }, 10000);
  const auto waited = Clock::now() - start;
  other.join();
  EXPECT_TRUE(result);
  EXPECT_LT(waited, std::chrono::seconds(5)) << "the wait ran on after the event";
}

TEST(BoundedWait, GivesUpAfterItsBoundNamingWhatItWaitedFor) {
  const auto start = Clock::now();
  ::testing::AssertionResult result = lwtest::WaitUntil(_T("the list filled"), [] { return false; }, 100);
  const auto waited = Clock::now() - start;
  EXPECT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("the list filled"), std::string::npos) << result.message();
  EXPECT_GE(waited, std::chrono::milliseconds(100));
  EXPECT_LT(waited, std::chrono::seconds(5));
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
