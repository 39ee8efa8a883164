// The built-in flag strip: 32 x 32 cells side by side, cell i the flag of
// catalogue row i, background RGB(192,192,192). Reading a cell from the
// strip's .bmp file (the build writes it; see LW_FLAG_STRIP_BMP in CMake),
// e.g. for tools that put a country's flag into a language file.
#pragma once

#include "BmpReader.h"
#include "FlagPicture.h"

// True when cell lies wholly inside a strip of that width and height.
bool LwFlagCellInStrip(int cell, int stripWidth, int stripHeight);

// The pixels of one cell; false (flag unchanged) when the cell is outside.
bool LwFlagStripCell(const LwBmpImage& strip, int cell, LwFlagPixels& flag);

// Reads the strip file and takes one cell; false when either fails.
bool LwReadFlagStripCell(LPCTSTR stripPath, int cell, LwFlagPixels& flag);

// The cell of the catalogue row with this country name (CountryNames);
// false when there is no such row or the cell cannot be read.
bool LwReadCountryFlag(LPCTSTR stripPath, LPCTSTR country, LwFlagPixels& flag);
