// The flag picture to and from GDI bitmaps.
#include "TraFile.h"

void CTraFile::SetFlagFromBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  HDC memory = ::CreateCompatibleDC(dc);
  if (!memory) return;
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column) m_flag[row * 32 + column] = ::GetPixel(memory, x + column, y + row);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

namespace {

// Whether a bitmap made compatible with dc would have colours: not for a
// memory DC that holds a monochrome bitmap (a new one holds its 1x1 default).
bool MakesColourBitmaps(HDC dc) {
  if (::GetObjectType(dc) != OBJ_MEMDC) return true;
  BITMAP selected;
  HGDIOBJ current = ::GetCurrentObject(dc, OBJ_BITMAP);
  if (!current || ::GetObject(current, sizeof selected, &selected) == 0) return false;
  return selected.bmBitsPixel * selected.bmPlanes > 1;
}

}  // namespace

HBITMAP CTraFile::CreateFlagBitmap(HDC dc) const {
  // Without a DC, or with one whose bitmaps would be monochrome, the flag
  // is made for the screen.
  HDC screen = nullptr;
  if (!dc || !MakesColourBitmaps(dc)) {
    screen = ::GetDC(nullptr);
    if (!screen) return nullptr;
    dc = screen;
  }
  HBITMAP bitmap = nullptr;
  HDC memory = ::CreateCompatibleDC(dc);
  if (memory) bitmap = ::CreateCompatibleBitmap(dc, 32, 32);
  if (bitmap) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    for (int row = 0; row < 32; ++row)
      for (int column = 0; column < 32; ++column) ::SetPixelV(memory, column, row, m_flag[row * 32 + column]);
    ::SelectObject(memory, old);
  }
  if (memory) ::DeleteDC(memory);
  if (screen) ::ReleaseDC(nullptr, screen);
  return bitmap;
}
