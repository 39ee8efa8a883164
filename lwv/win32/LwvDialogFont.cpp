#include "LwvDialogFont.h"

namespace {

SIZE TextExtent(HWND wnd, LPCTSTR text) {
  SIZE size = {0, 0};
  HDC dc = ::GetDC(wnd);
  if (!dc) return size;
  HGDIOBJ old = ::SelectObject(dc, LwvDialogFont());
  ::GetTextExtentPoint32(dc, text, lstrlen(text), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(wnd, dc);
  return size;
}

}  // namespace

HFONT LwvDialogFont() { return static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT)); }

int LwvDialogFontLineHeight(HWND wnd) { return TextExtent(wnd, _T("Hallo")).cy; }
int LwvDialogFontTextWidth(HWND wnd, LPCTSTR text) { return TextExtent(wnd, text ? text : _T("")).cx; }
