#include "FlagBitmaps.h"

#include <algorithm>
#include <vector>

namespace {

// A 32-bit top-down DIB header of width x height.
BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// COLORREF (0x00BBGGRR) and the DIB's 0x00RRGGBB swap red and blue.
DWORD SwapRedBlue(DWORD c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

}  // namespace

LwFlagPixels LwReadFlagPixels(HBITMAP bitmap) {
  LwFlagPixels flag;
  flag.fill(LW_FLAG_BACKGROUND);
  BITMAP bm = {};
  if (!bitmap || !::GetObject(bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return flag;
  // The top-left corner is copied into a 32 x 32 DIB section on the background.
  BITMAPINFO info = TopDown32(LW_FLAG_SIDE, LW_FLAG_SIDE);
  void* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HBITMAP section = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC from = ::CreateCompatibleDC(screen), to = ::CreateCompatibleDC(screen);
  ::ReleaseDC(nullptr, screen);
  if (section && bits && from && to) {
    DWORD* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) pixels[i] = SwapRedBlue(LW_FLAG_BACKGROUND);
    HGDIOBJ oldFrom = ::SelectObject(from, bitmap), oldTo = ::SelectObject(to, section);
    ::BitBlt(to, 0, 0, std::min<int>(bm.bmWidth, LW_FLAG_SIDE), std::min<int>(bm.bmHeight, LW_FLAG_SIDE), from, 0, 0,
             SRCCOPY);
    ::GdiFlush();
    for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) flag[i] = SwapRedBlue(pixels[i] & 0xFFFFFF);
    ::SelectObject(from, oldFrom);
    ::SelectObject(to, oldTo);
  }
  if (from) ::DeleteDC(from);
  if (to) ::DeleteDC(to);
  if (section) ::DeleteObject(section);
  return flag;
}

HBITMAP LwCreateFlagBitmap(HDC dc, const LwFlagPixels& pixels) {
  HDC screen = dc ? dc : ::GetDC(nullptr);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, LW_FLAG_SIDE, LW_FLAG_SIDE);
  if (bitmap) {
    std::vector<DWORD> bits(LW_FLAG_PIXEL_COUNT);
    for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) bits[i] = SwapRedBlue(pixels[i]);
    BITMAPINFO info = TopDown32(LW_FLAG_SIDE, LW_FLAG_SIDE);
    if (::SetDIBits(screen, bitmap, 0, LW_FLAG_SIDE, bits.data(), &info, DIB_RGB_COLORS) != LW_FLAG_SIDE) {
      ::DeleteObject(bitmap);
      bitmap = nullptr;
    }
  }
  if (!dc) ::ReleaseDC(nullptr, screen);
  return bitmap;
}

HPALETTE LwCreatePicturePalette(const LwBmpImage& image) {
  const size_t count = image.colourTable.size();
  if (count == 0 || count > 256) return nullptr;
  std::vector<BYTE> memory(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * count);
  LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(memory.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(count);
  for (size_t i = 0; i < count; ++i) {
    const COLORREF c = image.colourTable[i];
    palette->palPalEntry[i] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
  }
  return ::CreatePalette(palette);
}

HBITMAP LwCreatePictureBitmap(const LwBmpImage& image, HPALETTE palette) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
    return nullptr;
  std::vector<DWORD> bits(image.pixels.size());
  for (size_t i = 0; i < bits.size(); ++i) bits[i] = SwapRedBlue(image.pixels[i]);
  BITMAPINFO info = TopDown32(image.width, image.height);
  HDC screen = ::GetDC(nullptr);
  HPALETTE previous = nullptr;
  if (palette) {
    previous = ::SelectPalette(screen, palette, FALSE);
    ::RealizePalette(screen);
  }
  HBITMAP bitmap = ::CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, bits.data(), &info, DIB_RGB_COLORS);
  if (palette) ::SelectPalette(screen, previous, FALSE);
  ::ReleaseDC(nullptr, screen);
  return bitmap;
}

BOOL LwAttachLoadedPicture(CBitmap* target, CPalette* targetPalette, HBITMAP bitmap, HPALETTE palette) {
  if (!target || !bitmap) {
    if (bitmap) ::DeleteObject(bitmap);
    if (palette) ::DeleteObject(palette);
    return FALSE;
  }
  target->DeleteObject();
  target->Attach(bitmap);
  if (targetPalette) {
    targetPalette->DeleteObject();
    if (palette) targetPalette->Attach(palette);
  } else if (palette) {
    ::DeleteObject(palette);
  }
  return TRUE;
}
