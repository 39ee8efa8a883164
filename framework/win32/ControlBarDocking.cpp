// What a control bar does for docking: its size in a row or a column, its
// grip messages (passed to the frame's dock site) and the fly-by prompts of
// its buttons in the frame's status bar.
#include "ControlBars.h"

#include "DockSite.h"
#include "FrameWnd.h"

#include <algorithm>

void CControlBar::SetBarStyle(DWORD style) {
  if (style == m_dwBarStyle) return;
  m_dwBarStyle = style;
  if (m_hWnd)
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CRect CControlBar::NonClientBorders() const {
  const int probe = 1000;
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = RECT{0, 0, probe, probe};
  const_cast<CControlBar*>(this)->SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params.rgrc[0]));
  const RECT& client = params.rgrc[0];
  return CRect(client.left, client.top, probe - client.right, probe - client.bottom);
}

CSize CControlBar::CalcFixedLayout(BOOL) {
  CRect window;
  if (m_hWnd) GetWindowRect(&window);
  return window.Size();
}

UINT CControlBar::CommandAt(CPoint) const { return 0; }

void CControlBar::ShowFlyByPrompt(UINT id) {
  if (id == m_nFlyBy) return;
  m_nFlyBy = id;
  CFrameWnd* frame = m_pDockingFrame;
  if (!frame) frame = dynamic_cast<CFrameWnd*>(GetParent());
  if (frame && frame->m_hWnd) frame->SendMessage(WM_SETMESSAGESTRING, id ? id : AFX_IDS_IDLEMESSAGE);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_dwDockStyle && m_pDockingFrame) {
    LRESULT result = 0;
    CDockSite* site = m_pDockingFrame->GetDockSite();
    if (site && site->OnGripMessage(this, this, message, wParam, lParam, &result)) return result;
  }
  if (m_dwBarStyle & CBRS_FLYBY) {
    if (message == WM_MOUSEMOVE) {
      ShowFlyByPrompt(CommandAt(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))));
      if (!m_bFlyByTracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_bFlyByTracking = ::TrackMouseEvent(&track) != FALSE;
      }
    } else if (message == WM_MOUSELEAVE) {
      m_bFlyByTracking = false;
      ShowFlyByPrompt(0);
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

// ---- toolbar ----------------------------------------------------------------------

void CToolBar::LayoutItems() {
  if (!m_hWnd) return;
  const bool column = IsVertical() != FALSE;
  for (int i = 0; i < GetCount(); ++i) {
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button))) continue;
    BYTE state = button.fsState;
    state = column ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP);
    if (state != button.fsState) {
      // Separators have no command to name them by: their index does.
      TBBUTTONINFO info{};
      info.cbSize = sizeof(info);
      info.dwMask = TBIF_STATE | TBIF_BYINDEX;
      info.fsState = state;
      SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
  }
  SendMessage(TB_AUTOSIZE);
}

// The items as they are laid out now; the other orientation is reckoned
// from their sizes (buttons one after another, a separator as wide as it
// is in a row).
CSize CToolBar::CalcFixedLayout(BOOL horizontal) {
  if (!m_hWnd) return CSize();
  long width = 0;
  long height = 0;
  const bool laidOutInRow = IsVertical() == FALSE;
  for (int i = 0; i < GetCount(); ++i) {
    CRect item;
    if (!GetItemRect(i, &item)) continue;
    const bool separator = GetItemID(i) == ID_SEPARATOR;
    if ((horizontal != FALSE) == laidOutInRow) {
      width = std::max(width, item.right);
      height = std::max(height, item.bottom);
    } else if (horizontal) {
      width += separator ? item.Height() : item.Width();
      if (!separator) height = std::max(height, static_cast<long>(item.Height()));
    } else {
      height += separator ? item.Width() : item.Height();
      if (!separator) width = std::max(width, static_cast<long>(item.Width()));
    }
  }
  const CRect borders = NonClientBorders();
  // A client that reaches past the window's edge adds nothing there.
  return CSize(static_cast<int>(width + std::max(0L, borders.left) + std::max(0L, borders.right)),
               static_cast<int>(height + std::max(0L, borders.top) + std::max(0L, borders.bottom)));
}

UINT CToolBar::CommandAt(CPoint point) const {
  const LRESULT hit = SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
  if (hit < 0 || hit >= GetCount()) return 0;
  const UINT id = GetItemID(static_cast<int>(hit));
  return id == ID_SEPARATOR || id == UINT(-1) ? 0 : id;
}
