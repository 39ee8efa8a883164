// The 32 x 32 flag picture as plain COLORREF values (row by row from the
// top): cutting it from a larger picture, finding an own flag's background
// from six sample points and replacing that colour by the flag background
// RGB(192,192,192). Window-free; the dialogs read and write GDI bitmaps
// around it.
#pragma once

#include "Framework.h"

#include <array>

const int LW_FLAG_SIDE = 32;
const int LW_FLAG_PIXEL_COUNT = LW_FLAG_SIDE * LW_FLAG_SIDE;

// The colour every flag list treats as transparent: RGB(192,192,192).
const COLORREF LW_FLAG_BACKGROUND = 0x00C0C0C0;

typedef std::array<COLORREF, LW_FLAG_PIXEL_COUNT> LwFlagPixels;

// The points whose colours decide the background: the corners and the
// midpoints of the top and bottom edges.
struct LwFlagPoint {
  int x, y;
};
extern const LwFlagPoint LwFlagSamplePoints[6];

// The top-left 32 x 32 of a picture of width x height pixels (row by row
// from the top); pixels the picture does not have are the flag background.
LwFlagPixels LwCutFlag(const COLORREF* pixels, int width, int height);

// True with the common colour when all six sample points have one colour.
bool LwDetectFlagBackground(const LwFlagPixels& flag, COLORREF* background);

// Every pixel of colour background becomes LW_FLAG_BACKGROUND.
LwFlagPixels LwReplaceFlagBackground(const LwFlagPixels& flag, COLORREF background);
