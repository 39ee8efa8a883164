#include "DcTextDevice.h"

#include "DeskResource.h"
#include "TextFonts.h"

CDcTextDevice::CDcTextDevice() { CreateFonts(); }

CDcTextDevice::~CDcTextDevice() {
  for (const Pen& p : m_pens) ::DeleteObject(p.pen);
  DeleteFonts();
}

void CDcTextDevice::CreateFonts() {
  m_hText = ::CreateFontIndirect(&g_TextFont);
  m_hOverlay = ::CreateFontIndirect(&g_OverlayFont);
  m_nLineHeight[DESK_FONT_TEXT] = m_nLineHeight[DESK_FONT_OVERLAY] = -1;
}

void CDcTextDevice::DeleteFonts() {
  // A font still selected into the device would not be deleted.
  if (m_hDC && m_hSelected) ::SelectObject(m_hDC, ::GetStockObject(SYSTEM_FONT));
  m_hSelected = nullptr;
  if (m_hText) ::DeleteObject(m_hText);
  if (m_hOverlay) ::DeleteObject(m_hOverlay);
  m_hText = m_hOverlay = nullptr;
}

void CDcTextDevice::ReloadFonts() {
  DeleteFonts();
  CreateFonts();
}

void CDcTextDevice::Select(DeskFont font) {
  HFONT wanted = GetFont(font);
  if (m_hSelected == wanted) return;
  ::SelectObject(m_hDC, wanted);
  m_hSelected = wanted;
  if (m_nLineHeight[font] < 0) {
    TEXTMETRIC tm;
    ::GetTextMetrics(m_hDC, &tm);
    m_nLineHeight[font] = tm.tmHeight;
  }
}

HPEN CDcTextDevice::PenOf(COLORREF color) {
  for (const Pen& p : m_pens)
    if (p.color == color) return p.pen;
  m_pens.push_back(Pen{color, ::CreatePen(PS_SOLID, 1, color)});
  return m_pens.back().pen;
}

CSize CDcTextDevice::MeasureText(const CString& text, DeskFont font, int tabWidth) {
  if (!m_hDC) return CSize(0, 0);
  Select(font);
  if (text.IsEmpty()) return CSize(0, m_nLineHeight[font]);
  if (tabWidth > 0) {
    int stops = tabWidth;
    const DWORD extent = ::GetTabbedTextExtent(m_hDC, text.GetString(), text.GetLength(), 1, &stops);
    return CSize(LOWORD(extent), HIWORD(extent));
  }
  SIZE s{0, 0};
  ::GetTextExtentPoint32(m_hDC, text.GetString(), text.GetLength(), &s);
  return CSize(s.cx, s.cy);
}

void CDcTextDevice::FillRect(const RECT& rect, COLORREF color) {
  if (!m_hDC) return;
  COLORREF old = ::SetBkColor(m_hDC, color);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}

void CDcTextDevice::DrawText(int x, int y, const CString& text, DeskFont font, int tabWidth, COLORREF background) {
  if (!m_hDC) return;
  Select(font);
  ::SetBkColor(m_hDC, background);
  ::SetBkMode(m_hDC, OPAQUE);
  ::SetTextColor(m_hDC, DESK_BLACK);
  int stops = tabWidth > 0 ? tabWidth : 1;
  ::TabbedTextOut(m_hDC, x, y, text.GetString(), text.GetLength(), 1, &stops, x);
}

void CDcTextDevice::DrawLine(int x1, int y1, int x2, int y2, COLORREF color) {
  if (!m_hDC) return;
  HGDIOBJ old = ::SelectObject(m_hDC, PenOf(color));
  ::MoveToEx(m_hDC, x1, y1, nullptr);
  ::LineTo(m_hDC, x2, y2);
  ::SelectObject(m_hDC, old);
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
