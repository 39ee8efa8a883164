// Crafted .bmp file images for the reader's tests: every header kind, bit
// count and compression the reader accepts, from a small picture given as
// colours (or colour indexes) row by row from the top.
#pragma once

#include "BmpReader.h"

#include <string>
#include <vector>

namespace bmptest {

struct CraftedBmp {
  int headerSize = 40;
  int width = 0;
  int height = 0;  // the picture's height; stored negative when topDown
  bool topDown = false;
  int bits = 24;
  DWORD compression = 0;
  std::vector<COLORREF> table;  // colour table written (count in biClrUsed when setClrUsed)
  bool setClrUsed = false;
  DWORD masks[3] = {0, 0, 0};   // BI_BITFIELDS
  std::vector<DWORD> values;    // per pixel, top-down: index or COLORREF (or raw 16/32-bit value)
  std::vector<BYTE> rle;        // used instead of values for RLE
  int gapBeforePixels = 0;      // bytes between the table and the pixels (offset set)
  bool zeroOffset = false;      // bfOffBits 0: pixels follow the table
};

inline void Put16(std::vector<BYTE>& out, DWORD v) {
  out.push_back(BYTE(v & 0xFF));
  out.push_back(BYTE(v >> 8 & 0xFF));
}
inline void Put32(std::vector<BYTE>& out, DWORD v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
inline void Set32(std::vector<BYTE>& out, size_t at, DWORD v) {
  for (int i = 0; i < 4; ++i) out[at + i] = BYTE(v >> (8 * i) & 0xFF);
}

inline std::vector<BYTE> PixelRows(const CraftedBmp& s) {
  std::vector<BYTE> out;
  const size_t stride = (size_t(s.width) * s.bits + 31) / 32 * 4;
  for (int r = 0; r < s.height; ++r) {
    const int y = s.topDown ? r : s.height - 1 - r;
    std::vector<BYTE> row(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      const DWORD v = s.values[size_t(y) * s.width + x];
      switch (s.bits) {
        case 1: row[x / 8] |= BYTE((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= BYTE((v & 0xF) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = BYTE(v); break;
        case 16: row[2 * x] = BYTE(v); row[2 * x + 1] = BYTE(v >> 8); break;
        case 24: row[3 * x] = BYTE(v >> 16); row[3 * x + 1] = BYTE(v >> 8); row[3 * x + 2] = BYTE(v); break;
        case 32: for (int i = 0; i < 4; ++i) row[4 * x + i] = BYTE(v >> (8 * i)); break;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

inline std::vector<BYTE> Make(const CraftedBmp& s) {
  std::vector<BYTE> out = {'B', 'M'};
  Put32(out, 0);  // file size, set below
  Put32(out, 0);
  Put32(out, 0);  // pixel offset, set below
  Put32(out, DWORD(s.headerSize));
  if (s.headerSize == 12) {
    Put16(out, DWORD(s.width));
    Put16(out, DWORD(s.height));
    Put16(out, 1);
    Put16(out, DWORD(s.bits));
  } else {
    Put32(out, DWORD(s.width));
    Put32(out, DWORD(s.topDown ? -s.height : s.height));
    Put16(out, 1);
    Put16(out, DWORD(s.bits));
    Put32(out, s.compression);
    Put32(out, 0);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, s.setClrUsed ? DWORD(s.table.size()) : 0);
    Put32(out, 0);
    if (s.headerSize >= 108) {
      for (DWORD m : s.masks) Put32(out, m);
      out.resize(14 + size_t(s.headerSize), 0);
    } else if (s.compression == 3) {
      for (DWORD m : s.masks) Put32(out, m);
    }
  }
  for (COLORREF c : s.table) {
    out.push_back(BYTE(c >> 16));
    out.push_back(BYTE(c >> 8));
    out.push_back(BYTE(c));
    if (s.headerSize != 12) out.push_back(0);
  }
  out.insert(out.end(), size_t(s.gapBeforePixels), 0xEE);
  if (!s.zeroOffset) Set32(out, 10, DWORD(out.size()));
  const std::vector<BYTE> pixels = s.rle.empty() ? PixelRows(s) : s.rle;
  out.insert(out.end(), pixels.begin(), pixels.end());
  Set32(out, 2, DWORD(out.size()));
  return out;
}

inline LwBmpResult Read(const std::vector<BYTE>& bytes, LwBmpImage& image, size_t maxPixels = LW_BMP_MAX_PIXELS) {
  return LwReadBmp(bytes.data(), bytes.size(), image, maxPixels);
}

}  // namespace bmptest
