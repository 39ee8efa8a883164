// The set-up of a Wine test around one plain frame: the test's application,
// a frame of the test's class loaded from IDR_TEST_FRAME and shown where the
// test puts it, and the test's watchdog; and the text of a toolbar's tooltip.
// Not for document frames (DocViewKit.h).
#pragma once

#include "ReporterCapture.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace lwtest {

template <class App, class Frame>
struct ShownFrameFixture : ::testing::Test {
  App app;
  Frame frame;
  Watchdog watchdog{60};

  // Starts the application, loads the frame and shows it at place (screen).
  void LoadAndShow(const RECT& place) {
    app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
    ASSERT_TRUE(frame.LoadFrame(IDR_TEST_FRAME));
    frame.SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  void TearDown() override { frame.DestroyWindow(); }
};

// The text a toolbar's own tooltip control shows for command id.
inline CString ToolbarTipText(const CToolBar& bar, UINT id) {
  TCHAR text[256] = {};
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.hwnd = bar.m_hWnd;
  info.uId = id;
  info.lpszText = text;
  ::SendMessage(bar.GetToolTips(), TTM_GETTEXT, 256, reinterpret_cast<LPARAM>(&info));
  return CString(text);
}

}  // namespace lwtest
