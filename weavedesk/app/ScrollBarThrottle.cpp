#include "ScrollBarThrottle.h"

namespace {

const int kBars[2] = {SB_HORZ, SB_VERT};

// The bar stays where it was, with the same arrows and states.
bool SameBarPlace(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
  if (!::EqualRect(&a.rcScrollBar, &b.rcScrollBar) || a.dxyLineButton != b.dxyLineButton) return false;
  for (int i = 0; i < CCHILDREN_SCROLLBAR + 1; ++i)
    if (a.rgstate[i] != b.rgstate[i]) return false;
  return true;
}

}  // namespace

void CScrollBarThrottle::Show(HWND wnd, const CDeskScrollAxis& horizontal, const CDeskScrollAxis& vertical) {
  const CDeskScrollAxis* axes[2] = {&horizontal, &vertical};
  for (int i = 0; i < 2; ++i) {
    const DeskBarInfo bar = DeskBarOf(*axes[i]);
    if (!m_cache[i].Changed(bar)) continue;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = bar.max;
    info.nPage = static_cast<UINT>(bar.page);
    info.nPos = bar.pos;
    SetBar(wnd, i, info);
  }
}

void CScrollBarThrottle::SetBar(HWND wnd, int i, const SCROLLINFO& info) {
  const LONG objects[2] = {OBJID_HSCROLL, OBJID_VSCROLL};
  SCROLLINFO old{};
  old.cbSize = sizeof(old);
  old.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  SCROLLBARINFO before{};
  before.cbSize = sizeof(before);
  const bool known = ::GetScrollInfo(wnd, kBars[i], &old) && ::GetScrollBarInfo(wnd, objects[i], &before);
  ::SetScrollInfo(wnd, kBars[i], &info, FALSE);
  SCROLLBARINFO after{};
  after.cbSize = sizeof(after);
  if (!known || !::GetScrollBarInfo(wnd, objects[i], &after) || !SameBarPlace(before, after)) {
    // Shown, hidden or resized: the frame draws it anew.
    ::RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    m_bBehind[i] = false;
    return;
  }
  if (before.xyThumbTop == after.xyThumbTop && before.xyThumbBottom == after.xyThumbBottom) return;
  if (!m_bBehind[i]) m_shown[i] = old;
  m_bBehind[i] = true;
  if (::GetTickCount() - m_dwDrawn >= kInterval)
    DrawBehindBars(wnd);
  else
    ::SetTimer(wnd, kTimer, kInterval, nullptr);
}

void CScrollBarThrottle::DrawBehindBars(HWND wnd) {
  for (int i = 0; i < 2; ++i) {
    if (!m_bBehind[i]) continue;
    SCROLLINFO now{};
    now.cbSize = sizeof(now);
    now.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!::GetScrollInfo(wnd, kBars[i], &now)) continue;
    // Back to what the screen shows, then forward with drawing.
    ::SetScrollInfo(wnd, kBars[i], &m_shown[i], FALSE);
    ::SetScrollInfo(wnd, kBars[i], &now, TRUE);
    m_bBehind[i] = false;
  }
  m_dwDrawn = ::GetTickCount();
}

void CScrollBarThrottle::OnTimer(HWND wnd) {
  ::KillTimer(wnd, kTimer);
  DrawBehindBars(wnd);
}

void CScrollBarThrottle::Stop(HWND wnd) {
  if (wnd) ::KillTimer(wnd, kTimer);
}
