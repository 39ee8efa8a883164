// Helpers for tests that show windows: a script of steps run from a thread
// timer (it fires inside every modal loop of the thread) with a watchdog that
// ends every dialog of the thread, so that no test can hang.
#pragma once

#include "FrameworkWin.h"

#include <functional>
#include <map>
#include <vector>

namespace lwtest {

inline std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> found;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        TCHAR name[16] = {};
        ::GetClassName(hwnd, name, 16);
        if (lw::StrCmp(name, _T("#32770")) == 0 && ::IsWindowVisible(hwnd))
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A visible dialog of this thread other than except (a message box, say).
inline HWND FindOtherDialog(HWND except) {
  for (HWND hwnd : ThreadDialogs())
    if (hwnd != except) return hwnd;
  return nullptr;
}

// The text of a message box (its static with id 0xFFFF).
inline CString MessageBoxText(HWND box) {
  CString text;
  HWND label = ::GetDlgItem(box, 0xFFFF);
  if (label) CWnd::FromHandle(label)->GetWindowText(text);
  return text;
}

class ModalScript {
 public:
  typedef std::function<bool()> Step;  // true when done, false to try again at the next tick

  explicit ModalScript(std::vector<Step> steps, UINT intervalMs = 20, DWORD watchdogMs = 20000)
      : m_steps(std::move(steps)), m_deadline(::GetTickCount() + watchdogMs) {
    m_timer = ::SetTimer(nullptr, 0, intervalMs, &Tick);
    Scripts()[m_timer] = this;
  }
  ~ModalScript() {
    ::KillTimer(nullptr, m_timer);
    Scripts().erase(m_timer);
  }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  bool Finished() const { return m_next >= m_steps.size(); }
  bool WatchdogFired() const { return m_watchdog; }

 private:
  static std::map<UINT_PTR, ModalScript*>& Scripts() {
    static std::map<UINT_PTR, ModalScript*> scripts;
    return scripts;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Scripts().find(id);
    if (it != Scripts().end()) it->second->Run();
  }
  void Run() {
    if (!Finished() && static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
      m_watchdog = true;
      m_next = m_steps.size();
      for (HWND hwnd : ThreadDialogs()) {
        // A property sheet's own loop ends only with its window.
        if (::SendMessage(hwnd, PSM_GETTABCONTROL, 0, 0)) ::DestroyWindow(hwnd);
        else ::EndDialog(hwnd, -2);
      }
    }
    if (m_running) return;  // a step's own modal loop
    m_running = true;
    while (!Finished() && m_steps[m_next]()) ++m_next;
    m_running = false;
  }

  std::vector<Step> m_steps;
  size_t m_next = 0;
  DWORD m_deadline;
  UINT_PTR m_timer = 0;
  bool m_watchdog = false;
  bool m_running = false;
};

// Collects what reaches the exception boundary instead of showing it.
class ReporterCapture {
 public:
  ReporterCapture() { m_previous = lw::SetExceptionReporter(&Record); Reports().clear(); }
  ~ReporterCapture() { lw::SetExceptionReporter(m_previous); }
  ReporterCapture(const ReporterCapture&) = delete;
  ReporterCapture& operator=(const ReporterCapture&) = delete;
  static std::vector<CString>& Reports() {
    static std::vector<CString> reports;
    return reports;
  }

 private:
  static void Record(const CString& text) { Reports().push_back(text); }
  lw::ExceptionReporter m_previous;
};

}  // namespace lwtest
