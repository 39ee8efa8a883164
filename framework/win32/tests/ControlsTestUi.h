// Helpers of the controls tests: the common controls registered once, and a
// bounded wait that runs the thread's messages (through the windows'
// PreTranslateMessage, as the program's loop does) until a condition holds.
#pragma once

#include "ReporterCapture.h"

#include <commctrl.h>

namespace lwtest {

inline void InitControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

// Runs messages until done() holds or ms milliseconds have passed (the
// kit's bounded wait, the messages through the windows' PreTranslateMessage
// as the program's loop runs them); answers done().
template <class Done>
bool PumpUntil(Done done, DWORD ms = 5000) {
  auto pump = [] {
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
      if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
      }
    }
  };
  return WaitUntil(_T("a condition of the controls test"), [&] { return static_cast<bool>(done()); }, ms, pump);
}

// Held by a test that moves the cursor or needs its window active, so that
// the test programs of both widths, which share one display, take turns.
class DesktopInputLock {
 public:
  DesktopInputLock() : m_mutex(::CreateMutex(nullptr, FALSE, _T("LingoweaveTestDesktopInput"))) {
    if (m_mutex) m_held = ::WaitForSingleObject(m_mutex, 60000) != WAIT_TIMEOUT;
  }
  ~DesktopInputLock() {
    if (m_held) ::ReleaseMutex(m_mutex);
    if (m_mutex) ::CloseHandle(m_mutex);
  }
  DesktopInputLock(const DesktopInputLock&) = delete;
  DesktopInputLock& operator=(const DesktopInputLock&) = delete;

 private:
  HANDLE m_mutex;
  bool m_held = false;
};

}  // namespace lwtest
