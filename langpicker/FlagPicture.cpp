#include "FlagPicture.h"

const LwFlagPoint LwFlagSamplePoints[6] = {{0, 0}, {15, 0}, {31, 0}, {0, 31}, {15, 31}, {31, 31}};

LwFlagPixels LwCutFlag(const COLORREF* pixels, int width, int height) {
  LwFlagPixels flag;
  flag.fill(LW_FLAG_BACKGROUND);
  if (!pixels) return flag;
  for (int y = 0; y < LW_FLAG_SIDE && y < height; ++y)
    for (int x = 0; x < LW_FLAG_SIDE && x < width; ++x)
      flag[y * LW_FLAG_SIDE + x] = pixels[static_cast<size_t>(y) * width + x];
  return flag;
}

bool LwDetectFlagBackground(const LwFlagPixels& flag, COLORREF* background) {
  const COLORREF first = flag[LwFlagSamplePoints[0].y * LW_FLAG_SIDE + LwFlagSamplePoints[0].x];
  for (const LwFlagPoint& p : LwFlagSamplePoints)
    if (flag[p.y * LW_FLAG_SIDE + p.x] != first) return false;
  if (background) *background = first;
  return true;
}

LwFlagPixels LwReplaceFlagBackground(const LwFlagPixels& flag, COLORREF background) {
  LwFlagPixels result = flag;
  for (COLORREF& c : result)
    if (c == background) c = LW_FLAG_BACKGROUND;
  return result;
}
