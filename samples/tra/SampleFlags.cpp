#include "SampleFlags.h"

#include <cstdlib>

namespace {

// COLORREF values (0x00BBGGRR).
const COLORREF kBackground = 0xC0C0C0;
const COLORREF kBlack = 0x000000;
const COLORREF kRed = 0x0000DD;
const COLORREF kGold = 0x00CEFF;
const COLORREF kWhite = 0xFFFFFF;
const COLORREF kJackBlue = 0x692101;
const COLORREF kJackRed = 0x2E10C8;

// The flag takes rows kTop to kTop + kHeight - 1 of the picture, all columns.
const int kSide = 32;
const int kTop = 5;
const int kHeight = 21;

template <class PixelOf>
void Paint(CTraFile& file, PixelOf pixelOf) {
  for (int row = 0; row < kSide; ++row)
    for (int column = 0; column < kSide; ++column) {
      const int y = row - kTop;
      file.SetFlagPixel(row * kSide + column, y < 0 || y >= kHeight ? kBackground : pixelOf(column, y));
    }
}

}  // namespace

void PaintGermanFlag(CTraFile& file) {
  Paint(file, [](int, int y) { return y < kHeight / 3 ? kBlack : y < 2 * kHeight / 3 ? kRed : kGold; });
}

void PaintUnionJack(CTraFile& file) {
  // Pixel centres in half pixels; the distance of a centre from a diagonal
  // is |v * w - u * h| / sqrt(w^2 + h^2), sqrt(64^2 + 42^2) being about 76.5.
  Paint(file, [](int x, int y) {
    const int w = 2 * kSide, h = 2 * kHeight;
    const int u = 2 * x + 1, v = 2 * y + 1;
    const int falling = std::abs(v * w - u * h);
    const int rising = std::abs((h - v) * w - u * h);
    const int fromMiddleX = std::abs(u - w / 2), fromMiddleY = std::abs(v - h / 2);
    if (fromMiddleX <= 3 || fromMiddleY <= 3) return kJackRed;
    if (fromMiddleX <= 7 || fromMiddleY <= 7) return kWhite;
    const int diagonal = falling < rising ? falling : rising;
    if (diagonal <= 76 * 2) return kJackRed;
    if (diagonal <= 76 * 5) return kWhite;
    return kJackBlue;
  });
}
