// Reads the bytes of a .bmp file into plain pixels. Window-free: it neither
// opens files nor touches GDI, so the windows load through it and tests and
// the fuzzer feed it bytes directly.
//
// Accepted: the file header "BM"; info headers of 12 (OS/2 core), 40, 108
// (V4) and 124 (V5) bytes; 1, 4, 8, 16, 24 and 32 bits per pixel with
// BI_RGB, BI_RLE8 (8 bits), BI_RLE4 (4 bits) and BI_BITFIELDS (16 and 32
// bits). Every offset and count is checked against the length of the data;
// anything else is refused.
#pragma once

#include "Framework.h"

#include <vector>

// Why the bytes were refused (LW_BMP_OK when they were not).
enum LwBmpResult {
  LW_BMP_OK = 0,
  LW_BMP_NOT_BITMAP,          // shorter than the file header, or no "BM"
  LW_BMP_BAD_HEADER,          // info header cut off or of an unknown size
  LW_BMP_BAD_SIZE,            // width or height 0, negative or too large
  LW_BMP_UNSUPPORTED,         // planes, bit count or compression not accepted
  LW_BMP_BAD_COLOUR_TABLE,    // colour table or masks outside the data
  LW_BMP_BAD_PIXEL_DATA       // pixel offset or pixel data outside the data
};

// Default bound of width x height.
const size_t LW_BMP_MAX_PIXELS = size_t(1) << 24;
// Bound of width and of height on their own.
const int LW_BMP_MAX_SIDE = 32768;

struct LwBmpImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  DWORD compression = 0;
  int headerSize = 0;
  // The file's colour table as COLORREF values (0x00BBGGRR); empty when the
  // file has none.
  std::vector<COLORREF> colourTable;
  // width x height COLORREF values, row by row from the top.
  std::vector<COLORREF> pixels;

  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Decodes a whole .bmp file image. On failure image is left empty.
LwBmpResult LwReadBmp(const BYTE* data, size_t size, LwBmpImage& image,
                      size_t maxPixels = LW_BMP_MAX_PIXELS);

// Reads the file and decodes it; LW_BMP_NOT_BITMAP when it cannot be read.
LwBmpResult LwReadBmpFile(LPCTSTR path, LwBmpImage& image, size_t maxPixels = LW_BMP_MAX_PIXELS);
