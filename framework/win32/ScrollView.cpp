#include "ScrollView.h"

#include "Gdi.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line) {
  m_nMapMode = mapMode;
  m_x = lw::MakeScrollAxis(total.cx, page.cx, line.cx);
  m_y = lw::MakeScrollAxis(total.cy, page.cy, line.cy);
  UpdateBars();
}

CPoint CScrollView::GetDeviceScrollPosition() const {
  if (!m_hWnd) return CPoint(0, 0);
  return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::OnPrepareDC(CDC* dc) {
  if (m_nMapMode) dc->SetMapMode(MM_TEXT);
  // A printed page starts at the document's top, not at the scroll position.
  CPoint position = dc->IsPrinting() ? CPoint(0, 0) : GetDeviceScrollPosition();
  dc->SetViewportOrg(-position.x, -position.y);
  CView::OnPrepareDC(dc);
}

void CScrollView::UpdateBars() {
  if (m_bInsideUpdate || !m_hWnd || !m_nMapMode) return;
  m_bInsideUpdate = true;
  // The client size without bars, then the bars the document needs there.
  CRect client;
  GetClientRect(&client);
  const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
  const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
  const DWORD style = GetStyle();
  int width = client.Width() + (style & WS_VSCROLL ? barWidth : 0);
  int height = client.Height() + (style & WS_HSCROLL ? barHeight : 0);
  bool vertical = m_y.total > height;
  if (vertical) width -= barWidth;
  bool horizontal = m_x.total > width;
  if (horizontal) {
    height -= barHeight;
    if (!vertical && m_y.total > height) {
      vertical = true;
      width -= barWidth;
    }
  }
  CPoint old = GetDeviceScrollPosition();
  struct Axis {
    int bar;
    const lw::ScrollAxis& axis;
    int client;
    bool needed;
    int pos;
  } axes[] = {{SB_HORZ, m_x, width, horizontal, old.x}, {SB_VERT, m_y, height, vertical, old.y}};
  bool moved = false;
  for (const Axis& a : axes) {
    SCROLLINFO info{};
    info.fMask = SIF_PAGE | SIF_POS | SIF_RANGE;
    info.nMin = 0;
    info.nMax = a.needed ? a.axis.total - 1 : 0;
    info.nPage = a.needed ? static_cast<UINT>(a.client > 0 ? a.client : 0) : 0;
    info.nPos = a.needed ? lw::ScrollTarget(a.axis, a.client, lw::kScrollEnd, a.pos, 0) : 0;
    moved = moved || info.nPos != a.pos;
    SetScrollInfo(a.bar, &info, TRUE);
    ::ShowScrollBar(m_hWnd, a.bar, a.needed);
  }
  if (moved) Invalidate();
  m_bInsideUpdate = false;
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
  CView::OnSize(type, cx, cy);
  UpdateBars();
}

void CScrollView::MoveTo(int bar, int pos) {
  int old = GetScrollPos(bar);
  if (pos == old) return;
  SetScrollPos(bar, pos);
  if (bar == SB_HORZ) ScrollWindow(old - pos, 0);
  else ScrollWindow(0, old - pos);
}

BOOL CScrollView::OnScroll(int bar, UINT code) {
  if (!m_nMapMode) return FALSE;
  SCROLLINFO info{};
  GetScrollInfo(bar, &info, SIF_ALL);
  CRect client;
  GetClientRect(&client);
  const bool horizontal = bar == SB_HORZ;
  int target = lw::ScrollTarget(horizontal ? m_x : m_y, horizontal ? client.Width() : client.Height(), code,
                                info.nPos, info.nTrackPos);
  if (target == info.nPos) return FALSE;
  MoveTo(bar, target);
  return TRUE;
}

void CScrollView::OnHScroll(UINT code, UINT, CScrollBar* bar) {
  if (bar) return;  // a scroll-bar control of its own
  OnScroll(SB_HORZ, code);
}

void CScrollView::OnVScroll(UINT code, UINT, CScrollBar* bar) {
  if (bar) return;
  OnScroll(SB_VERT, code);
}

void CScrollView::ScrollToPosition(POINT point) {
  CRect client;
  GetClientRect(&client);
  MoveTo(SB_HORZ, lw::ScrollTarget(m_x, client.Width(), lw::kScrollThumbPosition, 0, point.x));
  MoveTo(SB_VERT, lw::ScrollTarget(m_y, client.Height(), lw::kScrollThumbPosition, 0, point.y));
}
