// Pictures encoded as BMP and ICO come back pixel for pixel through the
// picker's BMP reader, whatever the width's padding and the bits per pixel.
#include "BmpEncoding.h"

#include "BmpReader.h"

#include <gtest/gtest.h>

namespace {

const std::vector<lwbmp::Rgb> kPalette = {
    {0, 0, 0}, {255, 255, 255}, {200, 0, 0}, {0, 150, 0}, {0, 0, 250}, {255, 0, 255}, {10, 20, 30}, {90, 90, 90}};

uint8_t PatternIndex(int x, int y, int colours) { return static_cast<uint8_t>((x * 3 + y * 5) % colours); }

COLORREF AsColorRef(const lwbmp::Rgb& c) { return RGB(c.r, c.g, c.b); }

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

TEST(BmpEncoding, IndexedPicturesReadBackForEveryDepthAndPadding) {
  struct Case {
    int bits, colours;
  } cases[] = {{1, 2}, {4, 8}, {8, 8}};
  for (const Case& c : cases)
    for (int width : {1, 3, 7, 8, 9, 33}) {
      SCOPED_TRACE(testing::Message() << c.bits << " bits, width " << width);
      const int height = 5;
      std::vector<lwbmp::Rgb> palette(kPalette.begin(), kPalette.begin() + c.colours);
      const std::vector<uint8_t> bytes = lwbmp::EncodeBmpIndexed(
          width, height, c.bits, palette, [&](int x, int y) { return PatternIndex(x, y, c.colours); });
      LwBmpImage image;
      ASSERT_EQ(LW_BMP_OK, LwReadBmp(bytes.data(), bytes.size(), image));
      EXPECT_EQ(c.bits, image.bitCount);
      EXPECT_EQ(bytes.size(), Read32(bytes, 2));
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(AsColorRef(palette[PatternIndex(x, y, c.colours)]), image.At(x, y)) << x << "," << y;
    }
}

TEST(BmpEncoding, TrueColourPicturesReadBackWithPaddedRows) {
  for (int width : {1, 2, 3, 4, 5}) {
    SCOPED_TRACE(width);
    const int height = 3;
    auto pixel = [](int x, int y) { return lwbmp::Rgb{uint8_t(x * 40), uint8_t(y * 70), uint8_t(x + y)}; };
    const std::vector<uint8_t> bytes = lwbmp::EncodeBmp24(width, height, pixel);
    EXPECT_EQ(54u + lwbmp::RowBytes(width, 24) * height, bytes.size());
    LwBmpImage image;
    ASSERT_EQ(LW_BMP_OK, LwReadBmp(bytes.data(), bytes.size(), image));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) ASSERT_EQ(AsColorRef(pixel(x, y)), image.At(x, y)) << x << "," << y;
  }
}

// The icon's image is a bitmap of twice its height: colours, then the mask.
TEST(BmpEncoding, IconMasksTheTransparentIndexAndKeepsTheColours) {
  const int side = 32, bits = 4;
  const uint8_t transparent = 5;
  auto index = [](int x, int y) { return uint8_t(x < y ? transparent : (x + y) % 5); };
  const std::vector<uint8_t> ico = lwbmp::EncodeIcon(side, side, bits, kPalette, index, transparent);

  ASSERT_GE(ico.size(), 22u);
  EXPECT_EQ(1, Read16(ico, 2));  // an icon
  EXPECT_EQ(1, Read16(ico, 4));  // of one image
  EXPECT_EQ(side, ico[6]);
  EXPECT_EQ(bits, Read16(ico, 12));
  const uint32_t imageSize = Read32(ico, 14), imageAt = Read32(ico, 18);
  ASSERT_EQ(ico.size(), imageAt + imageSize);
  EXPECT_EQ(static_cast<uint32_t>(2 * side), Read32(ico, imageAt + 8));

  const size_t colours = imageAt + 40 + 4 * kPalette.size();
  const size_t mask = colours + lwbmp::RowBytes(side, bits) * side;
  ASSERT_EQ(ico.size(), mask + lwbmp::RowBytes(side, 1) * side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const size_t row = static_cast<size_t>(side - 1 - y);
      const int maskBit = ico[mask + row * lwbmp::RowBytes(side, 1) + x / 8] >> (7 - x % 8) & 1;
      const int colour = ico[colours + row * lwbmp::RowBytes(side, bits) + x / 2] >> (x % 2 ? 0 : 4) & 0xF;
      ASSERT_EQ(index(x, y) == transparent ? 1 : 0, maskBit) << x << "," << y;
      ASSERT_EQ(index(x, y) == transparent ? 0 : index(x, y), colour) << x << "," << y;
    }
}

}  // namespace
