#include "ZweiTool.h"

#include "ToolBarResource.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CZweiTool, CToolBar)
  ON_WM_PAINT()
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
      const int middle = (rect.left + rect.right) / 2;
      HPEN shadow = ::CreatePen(PS_SOLID, 1, kShadow);
      HPEN light = ::CreatePen(PS_SOLID, 1, kHighlight);
      HGDIOBJ oldPen = ::SelectObject(back, shadow);
      ::MoveToEx(back, middle, rect.top + 2, nullptr);
      ::LineTo(back, middle, rect.bottom - 2);
      ::SelectObject(back, light);
      ::MoveToEx(back, middle + 1, rect.top + 2, nullptr);
      ::LineTo(back, middle + 1, rect.bottom - 2);
      ::SelectObject(back, oldPen);
      ::DeleteObject(shadow);
      ::DeleteObject(light);
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
