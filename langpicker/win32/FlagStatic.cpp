#include "FlagStatic.h"

#include "FlagPicture.h"

BEGIN_MESSAGE_MAP(CFlagStatic, CStatic)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CFlagStatic::CFlagStatic(CWnd* parent, const RECT& rect, CBitmap* bitmap) : m_pBitmap(bitmap) {
  Create(_T(""), WS_CHILD | WS_VISIBLE, rect, parent);
  ShowWindow(SW_SHOW);
}

void CFlagStatic::OnPaint() {
  CPaintDC dc(this);
  if (!m_pBitmap || !m_pBitmap->GetSafeHandle()) return;
  CDC memory;
  memory.CreateCompatibleDC(&dc);
  CBitmap* old = memory.SelectObject(m_pBitmap.get());
  dc.BitBlt(0, 0, LW_FLAG_SIDE, LW_FLAG_SIDE, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}
