#include "LwvPictures.h"

#include <cstring>
#include <vector>

namespace {

// Longest built-in picture accepted.
const size_t kMaxPictureBytes = 1 << 20;

DWORD ReadLength(const unsigned char* p) {
  return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
         (static_cast<DWORD>(p[3]) << 24);
}

}  // namespace

HGLOBAL LwvJoinPicturePieces(const unsigned char* pieces, size_t maxBytes, size_t* joinedBytes) {
  if (joinedBytes) *joinedBytes = 0;
  if (!pieces) return nullptr;
  size_t total = 0;
  const unsigned char* p = pieces;
  for (DWORD n; (n = ReadLength(p)) != 0; p += 4 + n) {
    if (n > maxBytes - total) return nullptr;
    total += n;
  }
  if (total < 2) return nullptr;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, total);
  if (!block) return nullptr;
  unsigned char* out = static_cast<unsigned char*>(::GlobalLock(block));
  if (!out) {
    ::GlobalFree(block);
    return nullptr;
  }
  size_t at = 0;
  for (p = pieces; DWORD n = ReadLength(p); p += 4 + n) {
    std::memcpy(out + at, p + 4, n);
    at += n;
  }
  const bool isBmp = out[0] == 'B' && out[1] == 'M';
  ::GlobalUnlock(block);
  if (!isBmp) {
    ::GlobalFree(block);
    return nullptr;
  }
  if (joinedBytes) *joinedBytes = total;
  return block;
}

HBITMAP LwvLoadPicture(const unsigned char* pieces, HPALETTE* palette) {
  if (palette) *palette = nullptr;
  size_t size = 0;
  HGLOBAL block = LwvJoinPicturePieces(pieces, kMaxPictureBytes, &size);
  if (!block) return nullptr;
  const unsigned char* data = static_cast<const unsigned char*>(::GlobalLock(block));
  HBITMAP bitmap = nullptr;
  const size_t headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  if (data && size > headers) {
    BITMAPFILEHEADER file;
    std::memcpy(&file, data, sizeof(file));
    const BITMAPINFOHEADER* info = reinterpret_cast<const BITMAPINFOHEADER*>(data + sizeof(BITMAPFILEHEADER));
    const int bits = info->biBitCount;
    size_t colours = info->biClrUsed ? info->biClrUsed : (bits <= 8 ? (size_t(1) << bits) : 0);
    const size_t table = sizeof(BITMAPFILEHEADER) + info->biSize + colours * sizeof(RGBQUAD);
    const long long width = info->biWidth;
    const long long height = info->biHeight < 0 ? -static_cast<long long>(info->biHeight) : info->biHeight;
    const long long rowBytes = ((width * bits + 31) / 32) * 4;
    if (info->biSize >= sizeof(BITMAPINFOHEADER) && info->biCompression == BI_RGB && width > 0 && width <= 4096 &&
        height > 0 && height <= 4096 && colours <= 256 && table <= size && file.bfOffBits >= table &&
        file.bfOffBits < size && rowBytes * height <= static_cast<long long>(size - file.bfOffBits)) {
      if (palette && colours > 0) {
        std::vector<BYTE> buffer(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
        LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = static_cast<WORD>(colours);
        const RGBQUAD* rgb = reinterpret_cast<const RGBQUAD*>(data + sizeof(BITMAPFILEHEADER) + info->biSize);
        for (size_t i = 0; i < colours; ++i) {
          lp->palPalEntry[i].peRed = rgb[i].rgbRed;
          lp->palPalEntry[i].peGreen = rgb[i].rgbGreen;
          lp->palPalEntry[i].peBlue = rgb[i].rgbBlue;
          lp->palPalEntry[i].peFlags = 0;
        }
        *palette = ::CreatePalette(lp);
      }
      HDC screen = ::GetDC(nullptr);
      HPALETTE old = nullptr;
      if (palette && *palette) {
        old = ::SelectPalette(screen, *palette, FALSE);
        ::RealizePalette(screen);
      }
      bitmap = ::CreateDIBitmap(screen, info, CBM_INIT, data + file.bfOffBits,
                                reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS);
      if (old) ::SelectPalette(screen, old, FALSE);
      ::ReleaseDC(nullptr, screen);
    }
  }
  ::GlobalUnlock(block);
  ::GlobalFree(block);
  return bitmap;
}
