// The font of the library's own dialogs (switch dialog, about box): the
// stock variable-pitch font, and the sizes of texts in it. No dialog code.
#pragma once

#include "FrameworkWin.h"

HFONT LwvDialogFont();
// Height of "Hallo" and widths of texts in that font, measured on wnd's screen.
int LwvDialogFontLineHeight(HWND wnd);
int LwvDialogFontTextWidth(HWND wnd, LPCTSTR text);
