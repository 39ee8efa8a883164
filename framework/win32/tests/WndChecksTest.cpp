// The wrappers' precondition: a live window passes; no handle and a
// destroyed window are reported with the call's name.
#include "WndChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_failures;
void Keep(const char* failure) { g_failures.push_back(failure); }

TEST(WndChecks, OnlyALiveWindowPassesAndFailuresNameTheCall) {
  g_failures.clear();
  lw::PreconditionHandler previous = lw::SetPreconditionHandler(&Keep);
  HWND live = ::CreateWindowEx(0, _T("STATIC"), _T("live"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandle(nullptr), nullptr);
  ASSERT_NE(nullptr, live);
  EXPECT_TRUE(lw::CheckWindowHandle(live, "CWnd::ShowWindow"));
  ::DestroyWindow(live);
  EXPECT_FALSE(lw::CheckWindowHandle(live, "CWnd::SetWindowText"));
  EXPECT_FALSE(lw::CheckWindowHandle(nullptr, "CWnd::GetClientRect"));
  lw::SetPreconditionHandler(previous);
  const std::vector<std::string> expected = {"CWnd::SetWindowText: window destroyed", "CWnd::GetClientRect: no window"};
  EXPECT_EQ(expected, g_failures);
}

}  // namespace
