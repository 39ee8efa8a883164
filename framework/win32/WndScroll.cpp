// CWnd's wrappers for the window's own scroll bars.
#include "Wnd.h"

int CWnd::GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const {
  info->cbSize = sizeof(SCROLLINFO);
  info->fMask = mask;
  return ::GetScrollInfo(m_hWnd, bar, info);
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
  info->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, bar, info, redraw);
  return TRUE;
}

void CWnd::ScrollWindow(int dx, int dy, LPCRECT rect, LPCRECT clip) {
  ::ScrollWindowEx(m_hWnd, dx, dy, rect, clip, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
}
