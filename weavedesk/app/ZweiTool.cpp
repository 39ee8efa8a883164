#include "ZweiTool.h"

#include "ToolBarResource.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CZweiTool, CToolBar)
  ON_WM_PAINT()
  ON_WM_NCPAINT()
  ON_WM_NCCALCSIZE()
  ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CZweiTool::CZweiTool(int pictureWidth, int pictureHeight, bool gripper)
    : m_bGripper(gripper), m_nPictureWidth(pictureWidth), m_nPictureHeight(pictureHeight), m_lastStates(100, 99) {}

CZweiTool::~CZweiTool() { FreeLooks(); }

void CZweiTool::SetButtonLayout(int buttonWidth, int buttonHeight, int pictureY, int labelY, bool showLabels,
                                const LOGFONT*, UINT labelBase) {
  m_nButtonWidth = buttonWidth;
  m_nButtonHeight = buttonHeight;
  m_nPictureX = (buttonWidth - m_nPictureWidth) / 2;
  m_nPictureY = pictureY;
  m_nLabelY = labelY;
  m_bLabels = showLabels;
  m_nLabelBase = labelBase;
}

void CZweiTool::FreeLooks() {
  for (Look& look : m_looks) {
    if (look.dc) {
      ::SelectObject(look.dc, look.old);
      ::DeleteDC(look.dc);
    }
    if (look.bitmap) ::DeleteObject(look.bitmap);
    look = Look();
  }
}

bool CZweiTool::LoadBitmaps(UINT toolbarId, UINT look2, UINT look3, UINT look4) {
  if (!lw::LoadToolBar(*this, toolbarId)) return false;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(m_nPictureWidth, m_nPictureHeight));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(m_nButtonWidth, m_nButtonHeight));
  SendMessage(TB_AUTOSIZE);
  FreeLooks();
  const UINT ids[4] = {toolbarId, look2, look3, look4};
  HDC screen = ::GetDC(nullptr);
  bool all = true;
  for (int i = 0; i < 4; ++i) {
    Look& look = m_looks[i];
    look.bitmap = ::LoadBitmap(AfxGetInstanceHandle(), MAKEINTRESOURCE(ids[i]));
    if (!look.bitmap) {
      all = false;
      continue;
    }
    look.dc = ::CreateCompatibleDC(screen);
    look.old = ::SelectObject(look.dc, look.bitmap);
  }
  ::ReleaseDC(nullptr, screen);
  OnBitmapsLoaded();
  return all;
}

ZweiState CZweiTool::GetButtonState(int index) const {
  const UINT id = GetItemID(index);
  const LRESULT state = SendMessage(TB_GETSTATE, id);
  if (state == -1) return ZWEI_DISABLED;
  return ZweiButtonState((state & TBSTATE_ENABLED) != 0, (state & TBSTATE_CHECKED) != 0,
                         (state & TBSTATE_PRESSED) != 0, index == m_nHot);
}

int CZweiTool::GetLastDrawnState(int index) const {
  return index >= 0 && index < static_cast<int>(m_lastStates.size()) ? m_lastStates[static_cast<size_t>(index)] : 99;
}

void CZweiTool::DrawPicture(HDC dc, int look, int picture, int x, int y) {
  const Look& source = m_looks[look - 1];
  if (source.dc)
    ::BitBlt(dc, x, y, m_nPictureWidth, m_nPictureHeight, source.dc, picture * m_nPictureWidth, 0, SRCCOPY);
}

void CZweiTool::OnPaint() {
  PAINTSTRUCT paint;
  HDC screen = ::BeginPaint(m_hWnd, &paint);
  CRect client;
  GetClientRect(&client);
  HDC back = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, std::max(1, static_cast<int>(client.Width())), std::max(1, static_cast<int>(client.Height())));
  HGDIOBJ old = ::SelectObject(back, bitmap);
  HBRUSH background = ::CreateSolidBrush(kBackground);
  ::FillRect(back, &client, background);
  ::DeleteObject(background);
  int picture = 0;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    RECT rect;
    if (!GetItemRect(i, &rect)) continue;
    if (GetItemID(i) == ID_SEPARATOR) {
      DrawSeparator(back, rect);
      continue;
    }
    const ZweiState state = GetButtonState(i);
    DrawButton(back, rect, picture, state, GetLastDrawnState(i));
    if (i < static_cast<int>(m_lastStates.size())) m_lastStates[static_cast<size_t>(i)] = state;
    m_nLastButtonWidth = rect.right - rect.left;
    ++picture;
  }
  ::BitBlt(screen, 0, 0, client.Width(), client.Height(), back, 0, 0, SRCCOPY);
  ::SelectObject(back, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(back);
  ::EndPaint(m_hWnd, &paint);
}

void CZweiTool::DrawLines(HDC dc, const std::vector<ZweiLine>& lines) {
  for (const ZweiLine& line : lines) {
    HPEN pen = ::CreatePen(PS_SOLID, 1, line.color);
    HGDIOBJ old = ::SelectObject(dc, pen);
    ::MoveToEx(dc, line.from.x, line.from.y, nullptr);
    ::LineTo(dc, line.to.x, line.to.y);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
  }
}

// An etched line across the separator's middle: upright in a horizontal bar.
void CZweiTool::DrawSeparator(HDC dc, const RECT& rect) {
  std::vector<ZweiLine> lines;
  if (m_orientation == ZWEI_DOCKED_VERTICAL || m_orientation == ZWEI_FLOATING_VERTICAL) {
    const int middle = (rect.top + rect.bottom) / 2;
    const int right = m_nLastButtonWidth != 999 ? m_nLastButtonWidth - 4 : rect.right - 2;
    lines.push_back(ZweiLine{{rect.left + 2, middle}, {right, middle}, kShadow});
    lines.push_back(ZweiLine{{rect.left + 2, middle + 1}, {right, middle + 1}, kHighlight});
  } else {
    const int middle = (rect.left + rect.right) / 2;
    lines.push_back(ZweiLine{{middle, rect.top + 2}, {middle, rect.bottom - 2}, kShadow});
    lines.push_back(ZweiLine{{middle + 1, rect.top + 2}, {middle + 1, rect.bottom - 2}, kHighlight});
  }
  DrawLines(dc, lines);
}

ZweiOrientation CZweiTool::OrientationFromStyle() const {
  const DWORD style = GetBarStyle();
  return ZweiOrientationOf(IsFloating() != FALSE, (style & CBRS_SIZE_DYNAMIC) != 0,
                           (style & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0);
}

void CZweiTool::DrawGripperVert(HDC dc, const RECT& window) {
  DrawLines(dc, ZweiGripperLines(window, ZWEI_DOCKED_HORIZONTAL));
}

void CZweiTool::DrawGripperHorz(HDC dc, const RECT& window) {
  DrawLines(dc, ZweiGripperLines(window, ZWEI_DOCKED_VERTICAL));
}

void CZweiTool::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
  // The first rectangle is the window's, in the parent's coordinates.
  params->rgrc[0] = ZweiInsideRect(params->rgrc[0], OrientationFromStyle(), m_bGripper);
}

// The toolbar control sizes itself so that its client starts at the
// parent's edge, which would push the gripper out of sight: the bar stays
// within the parent's client area.
LRESULT CZweiTool::OnWindowPosChanging(WPARAM, LPARAM lParam) {
  WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  HWND parent = ::GetParent(m_hWnd);
  RECT area;
  if (pos && parent && ::GetClientRect(parent, &area) && !(pos->flags & SWP_NOMOVE)) {
    if (pos->x < area.left) {
      if (!(pos->flags & SWP_NOSIZE)) pos->cx -= area.left - pos->x;
      pos->x = area.left;
    }
    if (!(pos->flags & SWP_NOSIZE) && pos->x + pos->cx > area.right) pos->cx = std::max(0L, area.right - pos->x);
  }
  return Default();
}

void CZweiTool::OnNcPaint() {
  m_orientation = OrientationFromStyle();
  CRect window;
  GetWindowRect(&window);
  CRect client;
  GetClientRect(&client);
  ClientToScreen(&client);
  client.OffsetRect(-window.left, -window.top);
  window.OffsetRect(-window.left, -window.top);
  HDC dc = ::GetWindowDC(m_hWnd);
  // The bands between window and client in the background colour.
  ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  HBRUSH background = ::CreateSolidBrush(kBackground);
  ::FillRect(dc, &window, background);
  ::DeleteObject(background);
  if (m_bGripper) {
    if (m_orientation == ZWEI_DOCKED_HORIZONTAL)
      DrawGripperVert(dc, window);
    else if (m_orientation == ZWEI_DOCKED_VERTICAL)
      DrawGripperHorz(dc, window);
  }
  ::ReleaseDC(m_hWnd, dc);
}

// The border bands, widened by 5 pixels, in the background colour; the
// buttons' part is painted by OnPaint.
BOOL CZweiTool::OnEraseBkgnd(CDC* dc) {
  CRect window;
  GetWindowRect(&window);
  ScreenToClient(&window);
  CRect client;
  GetClientRect(&client);
  HBRUSH background = ::CreateSolidBrush(kBackground);
  for (const RECT& band : ZweiEraseBands(window, client)) ::FillRect(dc->m_hDC, &band, background);
  ::DeleteObject(background);
  return TRUE;
}

void CZweiTool::SetHot(int index) {
  if (index == m_nHot) return;
  RECT rect;
  if (m_nHot >= 0 && GetItemRect(m_nHot, &rect)) InvalidateRect(&rect, FALSE);
  m_nHot = index;
  if (m_nHot >= 0 && GetItemRect(m_nHot, &rect)) InvalidateRect(&rect, FALSE);
}

void CZweiTool::OnMouseMove(UINT, CPoint point) {
  const LRESULT hit = SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
  int index = hit >= 0 && hit < GetCount() && GetItemID(static_cast<int>(hit)) != ID_SEPARATOR ? static_cast<int>(hit) : -1;
  SetHot(index);
  if (!m_bTracking) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    m_bTracking = ::TrackMouseEvent(&track) != FALSE;
  }
  Default();
}

LRESULT CZweiTool::OnMouseLeave(WPARAM, LPARAM) {
  m_bTracking = false;
  SetHot(-1);
  return Default();
}

namespace {
// A one-pixel frame: topLeft along the top and left edge, bottomRight along the others.
void DrawFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  HPEN first = ::CreatePen(PS_SOLID, 1, topLeft);
  HPEN second = ::CreatePen(PS_SOLID, 1, bottomRight);
  HGDIOBJ old = ::SelectObject(dc, first);
  ::MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  ::LineTo(dc, r.left, r.top);
  ::LineTo(dc, r.right - 1, r.top);
  ::SelectObject(dc, second);
  ::LineTo(dc, r.right - 1, r.bottom - 1);
  ::LineTo(dc, r.left - 1, r.bottom - 1);
  ::SelectObject(dc, old);
  ::DeleteObject(first);
  ::DeleteObject(second);
}
}  // namespace

void CZweiToolBar::DrawButton(HDC dc, const RECT& rect, int picture, ZweiState state, int lastState) {
  if (ZweiNeedsErase(lastState, state)) {
    HBRUSH brush = ::CreateSolidBrush(kBackground);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
  }
  if (state == ZWEI_CHECKED) {
    HBRUSH brush = ::CreateSolidBrush(kLight);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
  }
  DrawPicture(dc, ZweiLook(state), picture, rect.left + m_nPictureX, rect.top + m_nPictureY);
  switch (ZweiFrameOf(state)) {
    case ZWEI_FRAME_RAISED:
      DrawFrame(dc, rect, kHighlight, kShadow);
      break;
    case ZWEI_FRAME_SUNKEN:
      DrawFrame(dc, rect, kShadow, kHighlight);
      break;
    default:
      break;
  }
}
