#include "SpecialCharsDlg.h"

#include "DeskDialogIds.h"
#include "TextFonts.h"

namespace {

CString CharText(int ch) {
  TCHAR text[2] = {static_cast<TCHAR>(ch), 0};
  return CString(text);
}

}  // namespace

BEGIN_MESSAGE_MAP(CSpecialCharsDlg, CDialog)
  ON_WM_CLOSE()
  ON_WM_PAINT()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CSpecialCharsDlg::CSpecialCharsDlg(CSpecialCharsOwner& owner) : m_owner(owner) {
  m_font.CreateFontIndirect(&g_TextFont);
  Create(IDD_DESK_SPECIAL_CHARS, owner.GetCharsParent());
  if (GetSafeHwnd()) ShowWindow(SW_SHOW);
}

CSpecialCharsDlg::~CSpecialCharsDlg() {
  if (GetSafeHwnd()) DestroyWindow();
}

BOOL CSpecialCharsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CClientDC dc(this);
  CFont* old = dc.SelectObject(&m_font);
  TEXTMETRIC tm;
  if (!dc.GetTextMetrics(&tm)) {
    dc.SelectObject(old);
    return FALSE;
  }
  int widest = 0;
  for (int ch = CSpecialCharGrid::kFirstChar; ch <= CSpecialCharGrid::kLastChar; ++ch) {
    const int w = dc.GetTextExtent(CharText(ch)).cx;
    if (w > widest) widest = w;
  }
  m_pGrid.reset(new CSpecialCharGrid(widest, tm.tmMaxCharWidth, tm.tmHeight));
  const int width = m_pGrid->PictureWidth(), height = m_pGrid->PictureHeight();
  RECT r = {0, 0, width, height};
  ::AdjustWindowRectEx(&r, GetStyle(), FALSE, GetExStyle());
  SetWindowPos(nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  CDC memory;
  memory.CreateCompatibleDC(&dc);
  m_picture.CreateCompatibleBitmap(&dc, width, height);
  CBitmap* oldBitmap = memory.SelectObject(&m_picture);
  CFont* oldFont = memory.SelectObject(&m_font);
  memory.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
  memory.SetBkMode(TRANSPARENT);
  for (int row = 0; row < CSpecialCharGrid::kRows; ++row)
    for (int column = 0; column < CSpecialCharGrid::kColumns; ++column) {
      const int ch = CSpecialCharGrid::CharAt(column, row);
      if (ch > CSpecialCharGrid::kLastChar) break;
      const CString text = CharText(ch);
      const POINT at = m_pGrid->TextOrigin(column, row, memory.GetTextExtent(text).cx);
      memory.TextOut(at.x, at.y, text);
    }
  memory.SelectObject(oldFont);
  memory.SelectObject(oldBitmap);
  dc.SelectObject(old);
  return TRUE;
}

void CSpecialCharsDlg::OnMouseMove(UINT flags, CPoint point) {
  CDialog::OnMouseMove(flags, point);
  int column = -1, row = -1;
  if (!m_pGrid || !m_pGrid->HitTest(point.x, point.y, &column, &row)) return;
  if (column == m_nHoverColumn && row == m_nHoverRow) return;
  m_nHoverColumn = column;
  m_nHoverRow = row;
  Invalidate(FALSE);
}

void CSpecialCharsDlg::OnLButtonDown(UINT flags, CPoint point) {
  CDialog::OnLButtonDown(flags, point);
  if (m_nHoverColumn < 0) return;
  const int ch = CSpecialCharGrid::CharAt(m_nHoverColumn, m_nHoverRow);
  if (ch <= CSpecialCharGrid::kLastChar) m_owner.InsertChar(static_cast<TCHAR>(ch));
}

void CSpecialCharsDlg::OnPaint() {
  CPaintDC dc(this);
  if (!m_pGrid || !m_picture.GetSafeHandle()) return;
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  CBitmap* old = memory.SelectObject(&m_picture);
  dc.BitBlt(0, 0, m_pGrid->PictureWidth(), m_pGrid->PictureHeight(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
  if (m_nHoverColumn >= 0) DrawEnlarged(dc);
}

void CSpecialCharsDlg::DrawEnlarged(CDC& dc) {
  const int ch = CSpecialCharGrid::CharAt(m_nHoverColumn, m_nHoverRow);
  if (ch > CSpecialCharGrid::kLastChar) return;
  const CString text = CharText(ch);
  LOGFONT big = g_TextFont;
  big.lfHeight *= 2;
  big.lfWidth *= 2;
  CFont bigFont;
  const bool enlarged = bigFont.CreateFontIndirect(&big) != FALSE;
  CFont* old = dc.SelectObject(enlarged ? &bigFont : &m_font);
  const CSize size = dc.GetTextExtent(text);
  POINT at;
  int frameHeight = size.cy;
  if (enlarged) {
    at = m_pGrid->EnlargedOrigin(m_nHoverColumn, m_nHoverRow, size.cx, size.cy);
  } else {
    at = m_pGrid->TextOrigin(m_nHoverColumn, m_nHoverRow, size.cx);
    frameHeight = m_pGrid->CellHeight();
  }
  dc.FillSolidRect(at.x - 2, at.y - 1, size.cx + 6, frameHeight + 4, RGB(255, 255, 255));
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(at.x, at.y, text);
  dc.Draw3dRect(at.x - 4, at.y - 3, size.cx + 10, frameHeight + 6, RGB(255, 144, 144), RGB(32, 32, 32));
  dc.Draw3dRect(at.x - 3, at.y - 2, size.cx + 8, frameHeight + 4, RGB(32, 32, 32), RGB(255, 144, 144));
  dc.SelectObject(old);
}

void CSpecialCharsDlg::OnOK() { m_owner.OnCharsWindowClosed(); }
void CSpecialCharsDlg::OnCancel() { m_owner.OnCharsWindowClosed(); }
void CSpecialCharsDlg::OnClose() { m_owner.OnCharsWindowClosed(); }
