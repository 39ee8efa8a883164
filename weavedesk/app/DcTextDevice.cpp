#include "DcTextDevice.h"

#include "DeskResource.h"
#include "TextFonts.h"

CDcTextDevice::CDcTextDevice()
    : m_hText(::CreateFontIndirect(&g_TextFont)), m_hOverlay(::CreateFontIndirect(&g_OverlayFont)) {}

CDcTextDevice::~CDcTextDevice() {
  if (m_hText) ::DeleteObject(m_hText);
  if (m_hOverlay) ::DeleteObject(m_hOverlay);
}

CSize CDcTextDevice::MeasureText(const CString& text, DeskFont font, int tabWidth) {
  if (!m_hDC) return CSize(0, 0);
  HGDIOBJ old = ::SelectObject(m_hDC, GetFont(font));
  CSize size(0, 0);
  if (tabWidth > 0) {
    int stops = tabWidth;
    DWORD extent = ::GetTabbedTextExtent(m_hDC, text.GetString(), text.GetLength(), 1, &stops);
    size = CSize(LOWORD(extent), HIWORD(extent));
    if (text.IsEmpty()) {
      TEXTMETRIC tm;
      ::GetTextMetrics(m_hDC, &tm);
      size.cy = tm.tmHeight;
    }
  } else {
    SIZE s{0, 0};
    ::GetTextExtentPoint32(m_hDC, text.GetString(), text.GetLength(), &s);
    if (text.IsEmpty()) {
      TEXTMETRIC tm;
      ::GetTextMetrics(m_hDC, &tm);
      s.cy = tm.tmHeight;
    }
    size = CSize(s.cx, s.cy);
  }
  ::SelectObject(m_hDC, old);
  return size;
}

void CDcTextDevice::FillRect(const RECT& rect, COLORREF color) {
  if (!m_hDC) return;
  COLORREF old = ::SetBkColor(m_hDC, color);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

void CDcTextDevice::DrawText(int x, int y, const CString& text, DeskFont font, int tabWidth, COLORREF background) {
  if (!m_hDC) return;
  HGDIOBJ old = ::SelectObject(m_hDC, GetFont(font));
  ::SetBkColor(m_hDC, background);
  ::SetBkMode(m_hDC, OPAQUE);
  ::SetTextColor(m_hDC, DESK_BLACK);
  int stops = tabWidth > 0 ? tabWidth : 1;
  ::TabbedTextOut(m_hDC, x, y, text.GetString(), text.GetLength(), 1, &stops, x);
  ::SelectObject(m_hDC, old);
}

void CDcTextDevice::DrawLine(int x1, int y1, int x2, int y2, COLORREF color) {
  if (!m_hDC) return;
  HPEN pen = ::CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = ::SelectObject(m_hDC, pen);
  ::MoveToEx(m_hDC, x1, y1, nullptr);
  ::LineTo(m_hDC, x2, y2);
  ::SelectObject(m_hDC, old);
  ::DeleteObject(pen);
}

void CDcTextDevice::SetPixel(int x, int y, COLORREF color) {
  if (m_hDC) ::SetPixelV(m_hDC, x, y, color);
}

void CDcTextDevice::DrawCell(DeskStrip strip, int cell, int x, int y) {
  if (!m_hDC || !m_pPictures) return;
  SIZE size{0, 0};
  HDC source = m_pPictures->GetStrip(strip, size);
  if (source) ::BitBlt(m_hDC, x, y, size.cx, size.cy, source, cell * size.cx, 0, SRCCOPY);
}

// ---- picture strips ----

namespace {
const UINT kStripIds[3] = {IDB_PLACEHOLDERS, IDB_BOXES, IDB_ICONS};
const SIZE kCellSizes[3] = {{25, 15}, {10, 10}, {16, 15}};
}  // namespace

CDeskPictures::~CDeskPictures() { Free(); }

void CDeskPictures::Load(HDC compatible) {
  Free();
  for (int i = 0; i < 3; ++i) {
    Strip& s = m_strips[i];
    s.bitmap = ::LoadBitmap(AfxGetInstanceHandle(), MAKEINTRESOURCE(kStripIds[i]));
    if (!s.bitmap) continue;
    s.dc = ::CreateCompatibleDC(compatible);
    s.old = ::SelectObject(s.dc, s.bitmap);
  }
}

void CDeskPictures::Free() {
  for (Strip& s : m_strips) {
    if (s.dc) {
      ::SelectObject(s.dc, s.old);
      ::DeleteDC(s.dc);
    }
    if (s.bitmap) ::DeleteObject(s.bitmap);
    s = Strip();
  }
}

HDC CDeskPictures::GetStrip(DeskStrip strip, SIZE& cell) const {
  const int i = static_cast<int>(strip);
  cell = kCellSizes[i];
  return m_strips[i].dc;
}
