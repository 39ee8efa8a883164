// Own flags on 32 x 32 colour arrays: cutting, the six sample points that
// decide the background, and its replacement.
#include "FlagPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

// A red cross on white.
LwFlagPixels CrossOnWhite() {
  LwFlagPixels flag;
  for (int y = 0; y < LW_FLAG_SIDE; ++y)
    for (int x = 0; x < LW_FLAG_SIDE; ++x) flag[y * LW_FLAG_SIDE + x] = (x / 4 == 4 || y / 4 == 4) ? kRed : kWhite;
  return flag;
}

TEST(FlagPicture, SamplePointsAreCornersAndEdgeMiddles) {
  const std::vector<std::pair<int, int>> want = {{0, 0}, {15, 0}, {31, 0}, {0, 31}, {15, 31}, {31, 31}};
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(want[i].first, LwFlagSamplePoints[i].x);
    EXPECT_EQ(want[i].second, LwFlagSamplePoints[i].y);
  }
}

TEST(FlagPicture, UniformSamplePointsNameTheBackground) {
  COLORREF background = 0x123456;
  EXPECT_TRUE(LwDetectFlagBackground(CrossOnWhite(), &background));
  EXPECT_EQ(kWhite, background);
}

// Any one of the six points differing turns detection off and leaves the
// caller's colour alone; a pixel next to a point does not count.
TEST(FlagPicture, OneDifferentSamplePointMeansMarking) {
  for (const LwFlagPoint& p : LwFlagSamplePoints) {
    LwFlagPixels flag = CrossOnWhite();
    flag[p.y * LW_FLAG_SIDE + p.x] = kBlue;
    COLORREF background = LW_FLAG_BACKGROUND;
    EXPECT_FALSE(LwDetectFlagBackground(flag, &background)) << p.x << "," << p.y;
    EXPECT_EQ(LW_FLAG_BACKGROUND, background);
  }
  LwFlagPixels flag = CrossOnWhite();
  flag[1] = flag[16] = flag[LW_FLAG_SIDE * 30] = kBlue;
  EXPECT_TRUE(LwDetectFlagBackground(flag, nullptr));
}

TEST(FlagPicture, ReplacementChangesEveryPixelOfTheColourOnly) {
  const LwFlagPixels source = CrossOnWhite();
  const LwFlagPixels result = LwReplaceFlagBackground(source, kWhite);
  int replaced = 0;
  for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) {
    if (source[i] == kWhite) {
      EXPECT_EQ(LW_FLAG_BACKGROUND, result[i]) << i;
      ++replaced;
    } else {
      EXPECT_EQ(source[i], result[i]) << i;
    }
  }
  EXPECT_EQ(28 * 28, replaced);
  // Marking mode before a click replaces the flag background by itself.
  EXPECT_EQ(source, LwReplaceFlagBackground(source, LW_FLAG_BACKGROUND));
}

TEST(FlagPicture, CuttingKeepsTheTopLeftOnly) {
  // 64 x 48: the pixel value tells its place.
  std::vector<COLORREF> big(64 * 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) big[y * 64 + x] = COLORREF(y << 8 | x);
  const LwFlagPixels flag = LwCutFlag(big.data(), 64, 48);
  EXPECT_EQ(COLORREF(0), flag[0]);
  EXPECT_EQ(COLORREF(31), flag[31]);
  EXPECT_EQ(COLORREF(31 << 8 | 31), flag[LW_FLAG_PIXEL_COUNT - 1]);
  EXPECT_EQ(COLORREF(1 << 8), flag[32]);

  const std::vector<COLORREF> small(10 * 5, kRed);
  const LwFlagPixels padded = LwCutFlag(small.data(), 10, 5);
  EXPECT_EQ(kRed, padded[4 * 32 + 9]);
  EXPECT_EQ(LW_FLAG_BACKGROUND, padded[4 * 32 + 10]);
  EXPECT_EQ(LW_FLAG_BACKGROUND, padded[5 * 32]);
}

}  // namespace
