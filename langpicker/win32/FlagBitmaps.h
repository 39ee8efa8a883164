// Flag pictures between GDI bitmaps and plain 32 x 32 COLORREF arrays, and
// the bitmaps a decoded .bmp file becomes. Windows only; the pixel logic
// lives in FlagPicture.h and BmpReader.h.
#pragma once

#include "BmpReader.h"
#include "FlagPicture.h"
#include "FrameworkWin.h"

// The top-left 32 x 32 pixels of a bitmap; pixels it does not have are the
// flag background. All background for a null or unreadable bitmap.
LwFlagPixels LwReadFlagPixels(HBITMAP bitmap);

// A new 32 x 32 bitmap compatible with dc (the screen when null) holding
// the pixels; null when GDI cannot make one.
HBITMAP LwCreateFlagBitmap(HDC dc, const LwFlagPixels& pixels);

// A device-dependent bitmap of a decoded picture made on the screen, with
// the palette (realised while it is made) when one is given. Null on failure.
HBITMAP LwCreatePictureBitmap(const LwBmpImage& image, HPALETTE palette);

// A palette of the picture's colour table when it has 1 to 256 entries;
// null otherwise.
HPALETTE LwCreatePicturePalette(const LwBmpImage& image);

// Hands made pictures to the caller's objects: only when bitmap is not
// null are the caller's picture (and, with a palette object, its palette)
// freed and replaced; otherwise they stay and what was made is freed.
BOOL LwAttachLoadedPicture(CBitmap* target, CPalette* targetPalette, HBITMAP bitmap, HPALETTE palette);
