#include "CaptureWatchdog.h"

#include "StdButtonModel.h"

#include <algorithm>
#include <vector>

struct CLwvCaptureWatchdog::Watch {
  UINT_PTR timer = 0;
  std::vector<HWND> before;  // top-level windows of the thread at the start
};

namespace {

thread_local std::vector<CLwvCaptureWatchdog::Watch*> t_watches;
thread_local unsigned t_ended = 0;  // windows ended by any watchdog of the thread

BOOL CALLBACK RememberWindow(HWND w, LPARAM watch) {
  reinterpret_cast<CLwvCaptureWatchdog::Watch*>(watch)->before.push_back(w);
  return TRUE;
}

BOOL CALLBACK EndNewDialog(HWND w, LPARAM watch) {
  const std::vector<HWND>& before = reinterpret_cast<CLwvCaptureWatchdog::Watch*>(watch)->before;
  if (std::find(before.begin(), before.end(), w) != before.end()) return TRUE;
  TCHAR cls[16] = {0};
  GetClassName(w, cls, 15);
  if (lstrcmp(cls, _T("#32770")) != 0) return TRUE;
  ++t_ended;
  CStdButtonModel::EndCapturedDialog(w);
  return TRUE;
}

void CALLBACK OnBound(HWND, UINT, UINT_PTR timer, DWORD) {
  for (CLwvCaptureWatchdog::Watch* watch : t_watches)
    if (watch->timer == timer) {
      EnumThreadWindows(GetCurrentThreadId(), EndNewDialog, reinterpret_cast<LPARAM>(watch));
      return;
    }
}

}  // namespace

CLwvCaptureWatchdog::CLwvCaptureWatchdog(UINT boundMs) : m_pWatch(new Watch), m_nEndedAtStart(t_ended) {
  EnumThreadWindows(GetCurrentThreadId(), RememberWindow, reinterpret_cast<LPARAM>(m_pWatch));
  m_pWatch->timer = SetTimer(nullptr, 0, boundMs, OnBound);
  t_watches.push_back(m_pWatch);
}

CLwvCaptureWatchdog::~CLwvCaptureWatchdog() {
  if (m_pWatch->timer) KillTimer(nullptr, m_pWatch->timer);
  t_watches.erase(std::remove(t_watches.begin(), t_watches.end(), m_pWatch), t_watches.end());
  delete m_pWatch;
}

bool CLwvCaptureWatchdog::Fired() const { return t_ended != m_nEndedAtStart; }
