// The flag pictures of the sample's language files: a country's cell of the
// flag strip the build makes (LW_FLAG_STRIP_BMP). Paints nothing itself.
#pragma once

#include "TraFile.h"

// Sets the file's flag to the strip cell of the catalogue row named country;
// false (flag unchanged) when the row or the cell cannot be had.
bool TakeFlagFromStrip(CTraFile& file, const CString& stripPath, LPCTSTR country);
