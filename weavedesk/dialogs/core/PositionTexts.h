// The texts of the dialog editor's position window: a rectangle's
// position and size and the mouse point, in dialog units. Window-free.
#pragma once

#include "Framework.h"

// Position "%4i, %4i" (left, top) and size "%4i x %4i"; blanks for none.
CString PositionText(const RECT* r);
CString SizeText(const RECT* r);
// "%4i, %4i"; blanks when x is below -999.
CString PointText(int x, int y);
