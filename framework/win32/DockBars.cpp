// The windows of docking: the dock bar along one side of a frame and the
// floating tool window of one bar.
#include "DockSite.h"

#include "FrameWnd.h"

#include <algorithm>

namespace {
bool IsShown(const CControlBar* bar) { return (::GetWindowLong(bar->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// Commands and notifications a bar sends its parent belong to the frame.
bool ForwardsToFrame(UINT message) {
  return message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM || message == WM_MEASUREITEM;
}

const DWORD kFloatingStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kFloatingExStyle = WS_EX_TOOLWINDOW;
}  // namespace

// ---- dock bar -------------------------------------------------------------------

BOOL CDockBar::Create(CFrameWnd* frame, lw::DockSide side) {
  m_side = side;
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CreateEx(0, cls, nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0), frame,
                  kDockBarFirstId + static_cast<UINT>(side));
}

void CDockBar::Add(CControlBar* bar) {
  if (!Holds(bar)) m_bars.push_back(bar);
}

void CDockBar::Remove(CControlBar* bar) { m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end()); }

bool CDockBar::Holds(const CControlBar* bar) const { return std::find(m_bars.begin(), m_bars.end(), bar) != m_bars.end(); }

int CDockBar::Thickness() const {
  const bool horizontal = !lw::DockIsVertical(m_side);
  int thickness = 0;
  for (CControlBar* bar : m_bars) {
    if (!bar->m_hWnd || !IsShown(bar)) continue;
    const CSize size = bar->CalcFixedLayout(horizontal);
    thickness = std::max(thickness, static_cast<int>(horizontal ? size.cy : size.cx));
  }
  return thickness;
}

void CDockBar::Place(const RECT& rect) {
  const CRect r(rect);
  if (r.Width() <= 0 || r.Height() <= 0) {
    ShowWindow(SW_HIDE);
    return;
  }
  SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  const bool horizontal = !lw::DockIsVertical(m_side);
  std::vector<CControlBar*> shown;
  for (CControlBar* bar : m_bars)
    if (bar->m_hWnd && IsShown(bar)) shown.push_back(bar);
  int along = 0;
  const int length = horizontal ? r.Width() : r.Height();
  for (size_t i = 0; i < shown.size(); ++i) {
    CSize size = shown[i]->CalcFixedLayout(horizontal);
    int extent = horizontal ? size.cx : size.cy;
    if (i + 1 == shown.size()) extent = std::max(extent, length - along);  // the last one stretches
    if (horizontal)
      shown[i]->SetWindowPos(nullptr, along, 0, extent, r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    else
      shown[i]->SetWindowPos(nullptr, 0, along, r.Width(), extent, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    along += extent;
  }
}

LRESULT CDockBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ForwardsToFrame(message)) {
    if (HWND frame = ::GetParent(m_hWnd)) return ::SendMessage(frame, message, wParam, lParam);
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

// ---- floating window ------------------------------------------------------------

BOOL CFloatingBarFrame::Create(CFrameWnd* frame, CControlBar* bar) {
  m_pFrame = frame;
  m_pBar = bar;
  CString title;
  bar->GetWindowText(title);
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CreateEx(kFloatingExStyle, cls, title, kFloatingStyle, 0, 0, 0, 0, frame->m_hWnd, nullptr);
}

SIZE CFloatingBarFrame::WindowSizeFor(SIZE bar) {
  RECT r{0, 0, bar.cx, bar.cy};
  ::AdjustWindowRectEx(&r, kFloatingStyle, FALSE, kFloatingExStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void CFloatingBarFrame::FitAt(POINT topLeft) {
  const CSize bar = m_pBar->CalcFixedLayout(TRUE);
  const SIZE window = WindowSizeFor(bar);
  SetWindowPos(nullptr, topLeft.x, topLeft.y, window.cx, window.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  m_pBar->SetWindowPos(nullptr, 0, 0, bar.cx, bar.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CFloatingBarFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (ForwardsToFrame(message) && m_pFrame && m_pFrame->m_hWnd)
    return m_pFrame->SendMessage(message, wParam, lParam);
  if (message == WM_CLOSE) {
    if (m_pFrame) m_pFrame->ShowControlBar(m_pBar, FALSE);
    return 0;
  }
  CDockSite* site = m_pFrame ? m_pFrame->GetDockSite() : nullptr;
  LRESULT result = 0;
  if (site && m_pBar && site->OnGripMessage(m_pBar, this, message, wParam, lParam, &result)) return result;
  return CWnd::WindowProc(message, wParam, lParam);
}
