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

HBITMAP CTraFile::CreateFlagBitmap(HDC dc) const {
  HDC memory = ::CreateCompatibleDC(dc);
  if (!memory) return nullptr;
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, 32, 32);
  if (!bitmap) {
    ::DeleteDC(memory);
    return nullptr;
  }
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column) ::SetPixelV(memory, column, row, m_flag[row * 32 + column]);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  return bitmap;
}
