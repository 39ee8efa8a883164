#include <gtest/gtest.h>

#include "LwvTestSupport.h"

namespace {

TEST(FlagBitmap, PaintedFlagReadsBackPixelForPixel) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(nullptr, screen);
  if (GetDeviceCaps(screen, BITSPIXEL) < 24) {
    ReleaseDC(nullptr, screen);
    GTEST_SKIP() << "display has fewer than 24 bits per pixel";
  }
  CTraFile source;
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) source.SetFlagPixel(i, RGB(i % 32 * 8, i / 32 * 8, (i * 13) & 0xFF));
  HBITMAP bitmap = source.CreateFlagBitmap(screen);
  ASSERT_NE(nullptr, bitmap);
  BITMAP info;
  ASSERT_NE(0, GetObject(bitmap, sizeof info, &info));
  EXPECT_EQ(32, info.bmWidth);
  EXPECT_EQ(32, info.bmHeight);

  CTraFile copy;
  copy.SetFlagFromBitmap(screen, bitmap, 0, 0);
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(source.GetFlagPixel(i), copy.GetFlagPixel(i)) << i;
  // Row by row from the top: pixel (column 3, row 1) is index 35.
  EXPECT_EQ(RGB(24, 8, (35 * 13) & 0xFF), copy.GetFlagPixel(35));
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
}

TEST(FlagBitmap, CopiesFromAnOffsetInALargerBitmap) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(nullptr, screen);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP strip = CreateCompatibleBitmap(screen, 96, 40);
  HGDIOBJ old = SelectObject(memory, strip);
  RECT all = {0, 0, 96, 40};
  HBRUSH grey = CreateSolidBrush(RGB(192, 192, 192));
  FillRect(memory, &all, grey);
  DeleteObject(grey);
  RECT red = {32, 4, 64, 36};
  HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(memory, &red, brush);
  DeleteObject(brush);
  SelectObject(memory, old);
  DeleteDC(memory);

  CTraFile file;
  file.SetFlagFromBitmap(screen, strip, 32, 4);
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(RGB(255, 0, 0), file.GetFlagPixel(i)) << i;
  file.SetFlagFromBitmap(screen, strip, 16, 0);
  EXPECT_EQ(RGB(192, 192, 192), file.GetFlagPixel(0));
  EXPECT_EQ(RGB(255, 0, 0), file.GetFlagPixel(4 * 32 + 16));
  file.SetFlagFromBitmap(screen, nullptr, 0, 0);  // no bitmap: unchanged
  EXPECT_EQ(RGB(192, 192, 192), file.GetFlagPixel(0));
  DeleteObject(strip);
  ReleaseDC(nullptr, screen);
}

// A caller without a window DC at hand passes none, or a memory DC it made
// for drawing: the flag still comes in colour (a bitmap compatible with a
// fresh memory DC would be monochrome, one with no DC none at all).
TEST(FlagBitmap, WithoutADcOrWithAMemoryDcTheFlagIsInColour) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(nullptr, screen);
  const int screenBits = GetDeviceCaps(screen, BITSPIXEL);
  if (screenBits < 24) {
    ReleaseDC(nullptr, screen);
    GTEST_SKIP() << "display has fewer than 24 bits per pixel";
  }
  CTraFile source;
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) source.SetFlagPixel(i, RGB(200, i % 256, 40));
  HDC memory = CreateCompatibleDC(screen);
  struct Case {
    const char* name;
    HDC dc;
  } cases[] = {{"no DC", nullptr}, {"memory DC", memory}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HBITMAP bitmap = source.CreateFlagBitmap(c.dc);
    ASSERT_NE(nullptr, bitmap);
    BITMAP info;
    ASSERT_NE(0, GetObject(bitmap, sizeof info, &info));
    EXPECT_EQ(32, info.bmWidth);
    EXPECT_EQ(32, info.bmHeight);
    EXPECT_EQ(screenBits, info.bmBitsPixel * info.bmPlanes);
    CTraFile copy;
    copy.SetFlagFromBitmap(screen, bitmap, 0, 0);
    for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(source.GetFlagPixel(i), copy.GetFlagPixel(i)) << i;
    DeleteObject(bitmap);
  }
  // The memory DC is left as it was given: its own one-pixel bitmap selected.
  BITMAP own;
  ASSERT_NE(0, GetObject(GetCurrentObject(memory, OBJ_BITMAP), sizeof own, &own));
  EXPECT_EQ(1, own.bmWidth);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace
